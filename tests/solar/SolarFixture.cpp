#include "tests/solar/SolarFixture.h"

#include "core/text/TokenListe.h"
#include "platform/format/Format.h"

namespace solartest {

std::u16string Ertrag(int key, double januar, double rest) {
    std::u16string text = platform::format(u"%i#%.2f#", key, januar);
    for (int m = 1; m < 12; ++m) text += platform::format(u"%.2f#", rest);
    return text;
}

CVRMString Tokens(std::initializer_list<std::u16string_view> tokens) {
    CVRMString liste;
    for (auto t : tokens) vrmtoken::AppendText(liste, t);
    return liste;
}

std::vector<std::u16string> Zerlege(const CVRMString& liste) {
    CVRMString rest = liste, token;
    std::vector<std::u16string> tokens;
    while (vrmtoken::SplitWert(rest, token)) tokens.push_back(token);
    return tokens;
}

std::vector<std::u16string> SolarFixture::Bibo() {
    return {u"[StdCollector-Germany_(bib)]",
            u"KollektorTyp=0",
            u"DatenKNeigung=0",
            u"KollErtrag0=" + Ertrag(20, 50, 100),
            u"KollErtrag1=" + Ertrag(60, 30, 80),
            u"[SolarKollektoren]",
            u"StdCollector-Germany_(bib)"};
}

std::vector<std::u16string> SolarFixture::User() {
    return {u"[Koll-A]",
            u"KollektorTyp=3",
            u"DatenKNeigung=45",
            u"DatenKAusrichtung=-15",
            u"KollErtrag0=" + Ertrag(20, 10, 100),
            u"KollErtrag1=" + Ertrag(40, 8, 90),
            u"KollErtrag2=" + Ertrag(60, 6, 80),
            u"[Anlage1]",
            u"SolKollBez=Koll-A",
            u"KFlaeche=7.500000",
            u"KNeigung=35",
            u"SolTauschVerlust=7",
            u"SolarGewinnW0=45.00#12.50#",
            u"SolarGewinnW1=40.00#20.00#"};
}

void SolarFixture::Lade(const std::vector<std::u16string>& user) {
    std::vector<std::u16string> alle = User();
    alle.insert(alle.end(), user.begin(), user.end());
    loadDatabases(alle, Bibo());
}

int SolarFixture::Rufe(int32_t code, const CVRMString& param) {
    ergebnis.clear();  // as the export hands it over
    return app.DoSolarFunktion(code, param, ergebnis);
}

void SolarFixture::Initialisiere() {
    ASSERT_EQ(Rufe(CVRMsolarApp::kInit, u"4711§#§"), 1);
    boxes.shown.clear();
}

}  // namespace solartest
