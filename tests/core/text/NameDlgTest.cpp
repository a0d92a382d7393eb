// The name rule of the name prompt, and the prompt's logic driven as its window would.
#include "core/text/NameDlg.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

TEST(NameRegel, CleansWhatWouldBreakAListAndKeepsTheRest) {
    const std::u16string vierzig(40, u'x');
    const struct {
        std::u16string eingabe;
        std::u16string name;
        std::optional<int> caret;
    } faelle[] = {
        {u"Haus Meier", u"Haus Meier", std::nullopt},
        {u"  abc", u"abc", 3},
        {u"a;b\\c", u"a_b_c", 4},
        {u"a=b", u"a_b", 2},       // would split into key and value
        {u"[Haus]", u"_Haus]", 1},  // would read back as a section line
        {u"Haus [2]", u"Haus [2]", std::nullopt},
        {u" \t[x", u"_x", 1},
        {u"   ", u"", 0},
        {u"", u"", std::nullopt},
        {u"Süd/Ost: 1", u"Süd/Ost: 1", std::nullopt},
        {vierzig, vierzig, std::nullopt},
        {vierzig + u"y", vierzig, 40},  // the edit takes no 41st character
        {std::u16string(39, u'x') + u"\U0001F600", std::u16string(39, u'x'), 39},
    };
    for (const auto& f : faelle) {
        const auto ergebnis = BereinigeName(f.eingabe);
        EXPECT_EQ(ergebnis.name, f.name) << CVRMString(f.eingabe).toUtf8();
        EXPECT_EQ(ergebnis.caret, f.caret) << CVRMString(f.eingabe).toUtf8();
    }
}

// Stands for the window: types the keys one by one into the edit, putting back what the
// logic answers, then presses OK or Cancel.
class TippenderPresenter : public NameDlgPresenter {
  public:
    int zeige(CNameDlg& dialog) override {
        dialog.OnInitDialog();
        okAmAnfang = dialog.IstOkAktiv();
        std::u16string edit = dialog.m_strName;
        for (char16_t taste : tasten) {
            edit += taste;
            auto ergebnis = dialog.OnUpdateName(edit);
            edit = ergebnis.name;
            caret = ergebnis.caret.value_or(static_cast<int>(edit.size()));
        }
        okAmEnde = dialog.IstOkAktiv();
        prompt = dialog.m_strPrompt;
        return antwort;
    }

    std::u16string tasten;
    int antwort = 1;
    bool okAmAnfang = true, okAmEnde = false;
    int caret = -1;
    std::u16string prompt;
};

struct PresenterGuard {
    explicit PresenterGuard(NameDlgPresenter& p) : vorher(setNameDlgPresenter(&p)) {}
    ~PresenterGuard() { setNameDlgPresenter(vorher); }
    NameDlgPresenter* vorher;
};

TEST(NameDlg, TypedNamesAreCleanedAndOkFollowsTheName) {
    const struct {
        const char16_t* tasten;
        const char16_t* name;
        bool ok;
    } faelle[] = {
        {u"  abc", u"abc", true},
        {u"a;b\\c", u"a_b_c", true},
        {u"   ", u"", false},
        {u"", u"", false},
    };
    for (const auto& f : faelle) {
        TippenderPresenter fenster;
        fenster.tasten = f.tasten;
        PresenterGuard guard(fenster);
        CNameDlg dialog(u"New name");
        EXPECT_EQ(dialog.DoModal(), 1);
        EXPECT_EQ(dialog.m_strName, f.name);
        EXPECT_FALSE(fenster.okAmAnfang);
        EXPECT_EQ(fenster.okAmEnde, f.ok);
        EXPECT_EQ(fenster.caret < 0 ? 0 : fenster.caret, CVRMString(f.name).GetLength());
        EXPECT_EQ(fenster.prompt, u"New name");
    }
}

TEST(NameDlg, WithoutAWindowTheDialogCancels) {
    CNameDlg dialog(u"New name");
    EXPECT_EQ(dialog.DoModal(), 2);
    EXPECT_EQ(dialog.m_strName, u"");
}

}  // namespace
