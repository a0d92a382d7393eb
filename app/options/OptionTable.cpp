#include "app/options/OptionTable.h"

#include <algorithm>
#include <array>

#include "core/db/SectionNames.h"
#include "core/text/TextIdConstants.h"

namespace {

constexpr TOptionArt T = TOptionArt::Text;
constexpr TOptionArt L = TOptionArt::Long;
constexpr TOptionArt F = TOptionArt::Float;

constexpr OptionDefault Text(const char16_t* text) {
    OptionDefault d;
    d.text = text;
    return d;
}
constexpr OptionDefault Zahl(int32_t zahl) {
    OptionDefault d;
    d.zahl = zahl;
    return d;
}
constexpr OptionDefault Komma(float komma) {
    OptionDefault d;
    d.komma = komma;
    return d;
}
constexpr OptionDefault SprachText(uint16_t id1, const char16_t* verbinder = u"",
                                   uint16_t id2 = 0) {
    OptionDefault d;
    d.quelle = OptionDefault::Quelle::Sprachtexte;
    d.textId1 = id1;
    d.verbinder = verbinder;
    d.textId2 = id2;
    return d;
}
constexpr OptionDefault ErsterTarif() {
    OptionDefault d;
    d.quelle = OptionDefault::Quelle::ErsterTarif;
    return d;
}
constexpr OptionDefault Programmordner() {
    OptionDefault d;
    d.quelle = OptionDefault::Quelle::Programmordner;
    return d;
}

// Colours are 0x00BBGGRR.
constexpr std::array<OptionZeile, 73> kTabelle{{
    {OPT_DEF_TARIF, u"DefTarif", T, ErsterTarif()},
    {OPT_VEZIVO_VERO, u"VezivoVero", T, Text(u"")},
    {OPT_POLYSUN_PROG, u"PolysunProg", T, Text(u"")},
    {OPT_VORLAGEN_DIR, u"VorlagenDir", T, Text(vrmdb::kPlatzhalterInstDir)},
    {OPT_REPORT_DIR, u"ReportDir", T, Text(vrmdb::kPlatzhalterDataDir)},
    {OPT_REPORT_APP, u"ReportApp", T, Text(u"")},
    {OPT_STD_ERG_REPORT, u"StdErgReport", T, Text(u"")},
    {OPT_VORLAGE1, u"Vorlage1", T, Text(u"")},
    {OPT_VORLAGE2, u"Vorlage2", T, Text(u"")},
    {OPT_VORLAGE3, u"Vorlage3", T, Text(u"")},
    {OPT_VORLAGE4, u"Vorlage4", T, Text(u"")},
    {OPT_DEF_KLIMAORT, u"DefKlimaort", T,
     SprachText(textid::kStandardKlimaort, u" ", textid::kBiboMarke)},
    {OPT_DEF_WETTERORT, u"DefWetterort", T, SprachText(textid::kAusKlimaBerechnet)},
    {OPT_DEF_SONNENORT, u"DefSonnenort", T,
     SprachText(textid::kStandardSonnenort, u"_", textid::kBiboMarke)},
    {OPT_DEF_BODENORT, u"DefBodenort", T, SprachText(textid::kAusKlimaBerechnet)},
    {OPT_WARN_QTEMP1, u"WarnQTemp1", L, Zahl(0)},
    {OPT_WARN_VORLAUF1, u"WarnVorlauf1", L, Zahl(0)},
    {OPT_WARN_DV_UND_SP, u"WarnDVundSP", L, Zahl(0)},
    {OPT_WARN_STU_SOLAR, u"WarnSTuSolar", L, Zahl(0)},
    {OPT_REPORT_PRINT, u"ReportPrint", L, Zahl(0)},
    {OPT_SAVE_REPORT, u"SaveReport", L, Zahl(1)},
    {OPT_REPORT_BKO, u"ReportBKO", L, Zahl(15)},
    {OPT_ASK_DS, u"AskDS", L, Zahl(1)},
    {OPT_ZKOSTEN_ELEKTRISCH, u"ZKostenElektrisch", T, Text(u"")},
    {OPT_ZKOSTEN_GAS, u"ZKostenGas", T, Text(u"")},
    {OPT_ZKOSTEN_NSPEICHER, u"ZKostenNSpeicher", T, Text(u"")},
    {OPT_ZKOSTEN_OEL, u"ZKostenOel", T, Text(u"")},
    {OPT_ZKOSTEN_WP, u"ZKostenWP", T, Text(u"")},
    {OPT_ZKOSTEN_ZET, u"ZKostenZET", T, Text(u"")},
    {OPT_NAME_ZET, u"NameZET", T, SprachText(textid::kHolzheizung)},
    {OPT_COLOR_BKGND_HAUS, u"ColorBkgndHaus", L, Zahl(0xFFFFFF)},
    {OPT_COLOR_BKGND_QUELLE, u"ColorBkgndQuelle", L, Zahl(0xFFFFFF)},
    {OPT_COLOR_HEIZ_BEDARF, u"ColorHeizBedarf", L, Zahl(0x000000)},
    {OPT_COLOR_SOLAR_GEWINN, u"ColorSolarGewinn", L, Zahl(0x000000)},
    {OPT_COLOR_QTEMP_G, u"ColorQTempG", L, Zahl(0x000000)},
    {OPT_COLOR_QTEMP_U, u"ColorQTempU", L, Zahl(0x000000)},
    {OPT_COLOR_STEMP, u"ColorSTemp", L, Zahl(0x000000)},
    {OPT_COLOR_WAWA_BEDARF, u"ColorWaWaBedarf", L, Zahl(0x000000)},
    {OPT_GRENZ_BT, u"GrenzBT", L, Zahl(100)},
    {OPT_GRENZ_ERD_T, u"GrenzErdT", L, Zahl(25)},
    {OPT_GRENZ_EIN_T, u"GrenzEinT", L, Zahl(60)},
    {OPT_WIRTSCHAFT, u"Wirtschaft", T,
     Text(u"0#30#0#50#0#20#0#20#0#20#0#15#0#50#0#20#0#30#0#30#0#20#0#30#0#20#")},
    {OPT_COLOR_BKGND_WIV, u"ColorBkgndWIV", L, Zahl(0xFFFFFF)},
    {OPT_COLOR_WIV, u"ColorWIV", L, Zahl(0xFF0000)},
    {OPT_COLOR_BKGND_BKV, u"ColorBkgndBKV", L, Zahl(0xFFFFFF)},
    {OPT_COLOR_BKV, u"ColorBKV", L, Zahl(0x0000FF)},
    {OPT_COLOR_BKV2, u"ColorBKV2", L, Zahl(0xFF0000)},
    {OPT_KVHORIZONTAL, u"KVhorizontal", L, Zahl(0)},
    {OPT_BKOSTEN_DATEN, u"BKostenDaten", T, Text(u"0#100#0#85#0#90#0#90#0#100#0#100#")},
    {OPT_COLOR_BKGND_HF, u"ColorBkgndHF", L, Zahl(0x93D9E6)},
    {OPT_COLOR_HFTEXT, u"ColorHFtext", L, Zahl(0x000000)},
    {OPT_COLOR_BKGND_WPD, u"ColorBkgndWPD", L, Zahl(0xFFFFFF)},
    {OPT_COLOR_STD_WWPD, u"ColorStdWWPD", L, Zahl(0x00FF00)},
    {OPT_GELD_IN_EURO, u"GeldInEuro", L, Zahl(1)},
    {OPT_WPLAUFZEIT, u"WPLaufzeit", L, Zahl(2000)},
    {OPT_COLOR_WK, u"ColorWK", L, Zahl(0x00FF00)},
    {OPT_CLASSIC, u"Classic", L, Zahl(0)},  // set to 1 after every load
    {OPT_USER_REPORT, u"UserReport", L, Zahl(0)},
    {OPT_WKOSTEN_ELEKTRISCH, u"WKostenElektrisch", L, Zahl(0)},
    {OPT_WKOSTEN_GAS, u"WKostenGas", L, Zahl(0)},
    {OPT_WKOSTEN_NSPEICHER, u"WKostenNSpeicher", L, Zahl(0)},
    {OPT_WKOSTEN_OEL, u"WKostenOel", L, Zahl(0)},
    {OPT_WKOSTEN_WP, u"WKostenWP", L, Zahl(0)},
    {OPT_WKOSTEN_ZET, u"WKostenZET", L, Zahl(0)},
    {OPT_DEF_KLAND, u"DefKLand", L, Zahl(1)},
    {OPT_KLAND_ANZ, u"KLandAnz", T, SprachText(5399)},
    {OPT_PEFAKTOR, u"PEFaktor", F, Komma(2.6f)},
    {OPT_EX_MODE, u"ExMode", L, Zahl(1)},
    {OPT_IMG_DIR, u"ImgDir", T, Programmordner()},
    {OPT_AQT, u"AQT", L, Zahl(-2)},
    {OPT_RDF, u"RDF", T, Text(u"32")},
    {OPT_RDV, u"RDV", T, Text(u"32")},
    {OPT_RMW, u"RMW", L, Zahl(1)},
}};

constexpr std::array<uint32_t, 6> kKostenListen{OPT_ZKOSTEN_ELEKTRISCH, OPT_ZKOSTEN_GAS,
                                                OPT_ZKOSTEN_NSPEICHER,  OPT_ZKOSTEN_OEL,
                                                OPT_ZKOSTEN_WP,         OPT_ZKOSTEN_ZET};

}  // namespace

std::span<const OptionZeile> OptionTabelle() {
    return kTabelle;
}

bool IstKostenListe(uint32_t id) {
    return std::find(kKostenListen.begin(), kKostenListen.end(), id) != kKostenListen.end();
}
