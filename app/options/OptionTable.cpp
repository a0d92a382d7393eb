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
    {1249, u"DefTarif", T, ErsterTarif()},
    {1211, u"VezivoVero", T, Text(u"")},
    {1246, u"PolysunProg", T, Text(u"")},
    {1212, u"VorlagenDir", T, Text(vrmdb::kPlatzhalterInstDir)},
    {1213, u"ReportDir", T, Text(vrmdb::kPlatzhalterDataDir)},
    {1214, u"ReportApp", T, Text(u"")},
    {1215, u"StdErgReport", T, Text(u"")},
    {1298, u"Vorlage1", T, Text(u"")},
    {1299, u"Vorlage2", T, Text(u"")},
    {1300, u"Vorlage3", T, Text(u"")},
    {1306, u"Vorlage4", T, Text(u"")},
    {1216, u"DefKlimaort", T, SprachText(3609, u" ", textid::kBiboMarke)},
    {1218, u"DefWetterort", T, SprachText(5218)},
    {1259, u"DefSonnenort", T, SprachText(3228, u"_", textid::kBiboMarke)},
    {1217, u"DefBodenort", T, SprachText(5218)},
    {1220, u"WarnQTemp1", L, Zahl(0)},
    {1221, u"WarnVorlauf1", L, Zahl(0)},
    {1222, u"WarnDVundSP", L, Zahl(0)},
    {1256, u"WarnSTuSolar", L, Zahl(0)},
    {1219, u"ReportPrint", L, Zahl(0)},
    {1250, u"SaveReport", L, Zahl(1)},
    {1302, u"ReportBKO", L, Zahl(15)},
    {1303, u"AskDS", L, Zahl(1)},
    {1232, u"ZKostenElektrisch", T, Text(u"")},
    {1233, u"ZKostenGas", T, Text(u"")},
    {1234, u"ZKostenNSpeicher", T, Text(u"")},
    {1235, u"ZKostenOel", T, Text(u"")},
    {1236, u"ZKostenWP", T, Text(u"")},
    {1254, u"ZKostenZET", T, Text(u"")},
    {1255, u"NameZET", T, SprachText(textid::kHolzheizung)},
    {1240, u"ColorBkgndHaus", L, Zahl(0xFFFFFF)},
    {1241, u"ColorBkgndQuelle", L, Zahl(0xFFFFFF)},
    {1242, u"ColorHeizBedarf", L, Zahl(0x000000)},
    {1251, u"ColorSolarGewinn", L, Zahl(0x000000)},
    {1239, u"ColorQTempG", L, Zahl(0x000000)},
    {1237, u"ColorQTempU", L, Zahl(0x000000)},
    {1238, u"ColorSTemp", L, Zahl(0x000000)},
    {1243, u"ColorWaWaBedarf", L, Zahl(0x000000)},
    {1248, u"GrenzBT", L, Zahl(100)},
    {1257, u"GrenzErdT", L, Zahl(25)},
    {1258, u"GrenzEinT", L, Zahl(60)},
    {1260, u"Wirtschaft", T,
     Text(u"0#30#0#50#0#20#0#20#0#20#0#15#0#50#0#20#0#30#0#30#0#20#0#30#0#20#")},
    {1261, u"ColorBkgndWIV", L, Zahl(0xFFFFFF)},
    {1263, u"ColorWIV", L, Zahl(0xFF0000)},
    {1262, u"ColorBkgndBKV", L, Zahl(0xFFFFFF)},
    {1264, u"ColorBKV", L, Zahl(0x0000FF)},
    {1301, u"ColorBKV2", L, Zahl(0xFF0000)},
    {1265, u"KVhorizontal", L, Zahl(0)},
    {1266, u"BKostenDaten", T, Text(u"0#100#0#85#0#90#0#90#0#100#0#100#")},
    {1267, u"ColorBkgndHF", L, Zahl(0x93D9E6)},
    {1268, u"ColorHFtext", L, Zahl(0x000000)},
    {1244, u"ColorBkgndWPD", L, Zahl(0xFFFFFF)},
    {1245, u"ColorStdWWPD", L, Zahl(0x00FF00)},
    {1223, u"GeldInEuro", L, Zahl(1)},
    {1269, u"WPLaufzeit", L, Zahl(2000)},
    {1283, u"ColorWK", L, Zahl(0x00FF00)},
    {1284, u"Classic", L, Zahl(0)},  // set to 1 after every load
    {1285, u"UserReport", L, Zahl(0)},
    {1286, u"WKostenElektrisch", L, Zahl(0)},
    {1287, u"WKostenGas", L, Zahl(0)},
    {1288, u"WKostenNSpeicher", L, Zahl(0)},
    {1289, u"WKostenOel", L, Zahl(0)},
    {1290, u"WKostenWP", L, Zahl(0)},
    {1291, u"WKostenZET", L, Zahl(0)},
    {1294, u"DefKLand", L, Zahl(1)},
    {1295, u"KLandAnz", T, SprachText(5399)},
    {1296, u"PEFaktor", F, Komma(2.6f)},
    {1297, u"ExMode", L, Zahl(1)},
    {1304, u"ImgDir", T, Programmordner()},
    {1305, u"AQT", L, Zahl(-2)},
    {1307, u"RDF", T, Text(u"32")},
    {1308, u"RDV", T, Text(u"32")},
    {1309, u"RMW", L, Zahl(1)},
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
