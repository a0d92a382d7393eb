#include "tests/dialogs/DialogFixture.h"

#include "core/db/VRMglobApp.h"
#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "platform/resources/Resources.h"
#include "resources/ResourceIds.h"
#include "tests/support/ui/ScriptedDialogs.h"

namespace dialogtest {

namespace {

std::u16string Klein(std::u16string_view t) {
    std::u16string r(t);
    for (char16_t& c : r)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return r;
}

}  // namespace

DialogFixture::DialogFixture() {
    CVRMdatenProvider::remove();
    CVRMglobApp::ResetForTests();
    CResManager::setLang(IDR_LNG_ENG);
}

DialogFixture::~DialogFixture() {
    CVRMdatenProvider::remove();
    CVRMglobApp::ResetForTests();
}

void DialogFixture::LadeDatenbanken(const std::vector<std::u16string>& user,
                                    const std::vector<std::u16string>& bibo) {
    CVRMdatenProvider::remove();
    CVRMglobApp::ResetForTests();
    // The English module stays the current resource module: the dialogs take their
    // pictures from it.
    ASSERT_EQ(CVRMglobApp::Get().Init(platform::currentResourceModule(), nullptr, 0), 1);
    testsupport::WriteDatabaseFile(UserDatei(), user);
    testsupport::WriteDatabaseFile(ordner.file("bibo.ini"), bibo);
    ASSERT_EQ(CVRMglobApp::Get().SetDatenDatei(CVRMString::fromUtf8(UserDatei().string())), 1);
    ASSERT_EQ(
        CVRMglobApp::Get().SetBiboDatei(CVRMString::fromUtf8(ordner.file("bibo.ini").string()), 0),
        1);
}

bool DialogFixture::UserHat(std::u16string_view section, std::u16string_view zeile) const {
    bool drin = false;
    for (const std::u16string& l : UserZeilen()) {
        if (l.starts_with(u"["))
            drin = Klein(l) == u"[" + Klein(section) + u"]";
        else if (drin && Klein(l) == Klein(zeile))
            return true;
    }
    return false;
}

bool DialogFixture::UserHatSection(std::u16string_view section) const {
    for (const std::u16string& l : UserZeilen())
        if (Klein(l) == u"[" + Klein(section) + u"]") return true;
    return false;
}

std::vector<std::u16string> DialogFixture::BoxTexte() const {
    std::vector<std::u16string> texte;
    for (const auto& b : uitest::dialogs().boxes()) texte.push_back(b.text);
    return texte;
}

std::u16string Text(unsigned id) {
    CVRMString text;
    text.LoadStringW(id);
    return text;
}

}  // namespace dialogtest
