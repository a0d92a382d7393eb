#include "model/errors/Fehler.h"

#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "tests/model/BoxFixture.h"

#include <stdexcept>

namespace {

using platform::mb::ICONEXCLAMATION;
constexpr uint32_t kFrage = platform::mb::YESNO | platform::mb::ICONQUESTION;
constexpr uint32_t kOhneBesitzer = platform::mb::SYSTEMMODAL | platform::mb::TOPMOST;

class FehlerTest : public modeltest::BoxFixture {
  protected:
    FehlerTest() {
        text(3168, u"Produkt");
        text(3091, u"No current project");
        text(4000, u"");
    }
};

struct FehlerFall {
    const char* name;
    void (*zeige)();
    std::u16string text;
    std::u16string caption;
};

TEST_F(FehlerTest, ComposesTextPlaceAndCaption) {
    const FehlerFall faelle[] = {
        {"text and place", [] { ShowFehler(3105, u"CHaus2::init(1)"); },
         u"Required data missing or data wrong\n(CHaus2::init(1))", u"Produkt"},
        {"generic error", [] { ShowFehler(0, u""); }, u"Exception", u"Produkt"},
        {"id 0 keeps the place", [] { ShowFehler(0, u"X::y"); }, u"Exception\n(X::y)", u"Produkt"},
        {"null place", [] { ShowFehler(3105, static_cast<const char16_t*>(nullptr)); },
         u"Required data missing or data wrong", u"Produkt"},
        {"empty place", [] { ShowFehler(3105, u""); }, u"Required data missing or data wrong",
         u"Produkt"},
        {"empty text", [] { ShowFehler(4000, u"P"); }, u"unbek. FehlerTextID: 4000\n(P)",
         u"Produkt"},
        {"missing id", [] { ShowFehler(4242, nullptr); }, u"Msg: 4242", u"Produkt"},
        {"own caption", [] { ShowFehler(3105, nullptr, 3091); },
         u"Required data missing or data wrong", u"No current project"},
        {"second id 0", [] { ShowFehler2(3105, 0); }, u"Required data missing or data wrong",
         u"Produkt"},
        {"second text", [] { ShowFehler2(3105, 3101); },
         u"Required data missing or data wrong\n(Object not initialized)", u"Produkt"},
        {"empty second text", [] { ShowFehler2(3105, 4000); },
         u"Required data missing or data wrong\n(unbek. FehlerText2ID: 4000)", u"Produkt"},
        {"ready text", [] { ShowFehlerText(u"Eigener Text", u"A::b(P1)"); },
         u"Eigener Text\n(A::b(P1))", u"Produkt"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        presenter.shown.clear();
        fall.zeige();
        const auto& box = einzigeBox();
        EXPECT_EQ(box.text, fall.text);
        EXPECT_EQ(box.caption, fall.caption);
        EXPECT_EQ(box.style, ICONEXCLAMATION | kOhneBesitzer);
    }
}

TEST_F(FehlerTest, ThrowingFormsShowTheBoxThenThrow) {
    const std::pair<const char*, void (*)()> faelle[] = {
        {"ThrowFehler", [] { ThrowFehler(3105, u"CHaus2::init(1)"); }},
        {"ThrowFehler2", [] { ThrowFehler2(3105, 3101); }},
        {"ThrowFehlerText", [] { ThrowFehlerText(u"T", u"CHaus2::init(1)"); }},
    };
    for (const auto& [name, wirf] : faelle) {
        SCOPED_TRACE(name);
        presenter.shown.clear();
        EXPECT_THROW(wirf(), platform::UserException);
        EXPECT_EQ(presenter.shown.size(), 1u);
    }
}

TEST_F(FehlerTest, BoxBelongsToTheMainWindowOnceThereIsOne) {
    app.mainWnd = &hauptfenster;
    EXPECT_THROW(ThrowFehler(3105, u"CHaus2::init(1)"), platform::UserException);
    const auto& box = einzigeBox();
    EXPECT_EQ(box.owner, &hauptfenster);
    EXPECT_EQ(box.style, ICONEXCLAMATION);
}

TEST_F(FehlerTest, ShowsBoxesWithoutARegisteredApplication) {
    RegisterKelvoApp(nullptr);
    ShowFehler(3105, u"P");
    EXPECT_EQ(einzigeBox().owner, nullptr);
    RegisterKelvoApp(&app);
}

TEST_F(FehlerTest, GetKelvoAppWithoutApplicationIsTheGenericError) {
    IKelvoAppServices* vorher = RegisterKelvoApp(nullptr);
    EXPECT_EQ(FindKelvoApp(), nullptr);
    EXPECT_THROW(GetKelvoApp(), platform::UserException);
    EXPECT_EQ(einzigeBox().text, u"Exception");
    RegisterKelvoApp(vorher);
    EXPECT_EQ(&GetKelvoApp(), &app);
}

class MessageBoxTest : public modeltest::BoxFixture {
  protected:
    MessageBoxTest() {
        text(3168, u"Produkt");
        text(3277, u"Frage?");
        text(4000, u"");
    }
};

TEST_F(MessageBoxTest, TextsCaptionsAndFallbacks) {
    struct Fall {
        const char* name;
        int (*zeige)();
        std::u16string text;
        std::u16string caption;
    };
    const Fall faelle[] = {
        {"by ids", [] { return KVSMessageBoxID(3277, 3168, kFrage); }, u"Frage?", u"Produkt"},
        {"empty text id", [] { return KVSMessageBoxID(4000, 3168, kFrage); },
         u"unbek. MsgTextID: 4000", u"Produkt"},
        {"caption resolved by the core library", [] { return KVSMessageBoxID(3277, 4000, kFrage); },
         u"Frage?", u"MsgCaptionID: 4000"},
        {"ready text", [] { return KVSMessageBoxCaptionID(u"Text", 3168, kFrage); }, u"Text",
         u"Produkt"},
        {"empty caption id", [] { return KVSMessageBoxCaptionID(u"Text", 4000, kFrage); }, u"Text",
         u"unbek. MsgCaptionID: 4000"},
        {"ready caption", [] { return KVSMessageBoxTextID(3277, u"Titel", kFrage); }, u"Frage?",
         u"Titel"},
        {"ready caption, empty text", [] { return KVSMessageBoxTextID(4000, u"Titel", kFrage); },
         u"unbek. MsgTextID: 4000", u"Titel"},
        {"both ready", [] { return KVSMessageBoxText(u"Text", u"Titel", kFrage); }, u"Text",
         u"Titel"},
    };
    app.mainWnd = &hauptfenster;
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        presenter.shown.clear();
        presenter.script = {platform::id::NO};
        EXPECT_EQ(fall.zeige(), platform::id::NO);
        const auto& box = einzigeBox();
        EXPECT_EQ(box.text, fall.text);
        EXPECT_EQ(box.caption, fall.caption);
        EXPECT_EQ(box.style, kFrage);
        EXPECT_EQ(box.owner, &hauptfenster);
    }
}

TEST_F(MessageBoxTest, AGivenParentOwnsTheBox) {
    modeltest::TestFenster dialog;
    app.mainWnd = &hauptfenster;
    KVSMessageBoxText(u"Text", u"Titel", platform::mb::OK, &dialog);
    EXPECT_EQ(einzigeBox().owner, &dialog);
}

// A failure caught as a whole: the user exception was shown when raised, a standard one
// shows its own text, anything else nothing; none escapes.
TEST_F(FehlerTest, FremderFehlerZeigtNurSeinenEigenenText) {
    struct Fall {
        const char* name;
        std::exception_ptr fehler;
        std::vector<std::u16string> boxen;
    };
    const Fall faelle[] = {
        {"user exception", std::make_exception_ptr(platform::UserException()), {}},
        {"standard exception", std::make_exception_ptr(std::runtime_error("disk full")), {u"disk full"}},
        {"anything else", std::make_exception_ptr(42), {}},
        {"none", nullptr, {}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        presenter.shown.clear();
        EXPECT_NO_THROW(ShowFremdenFehler(fall.fehler));
        std::vector<std::u16string> texte;
        for (const auto& box : presenter.shown) texte.push_back(box.text);
        EXPECT_EQ(texte, fall.boxen);
    }
}

}  // namespace
