#include "Projekte.h"

#include <stdexcept>

#include "Komponenten.h"
#include "Names.h"
#include "Orte.h"
#include "model/source/FSMdaten.h"
#include "platform/format/Format.h"
#include "platform/text/Text.h"

namespace libgen {

namespace {

CVRMString u16(const std::string& text) {
    return CVRMString(platform::fromUtf8(text));
}
long ganz(const CsvRow& r, const char* spalte) {
    return static_cast<long>(r.Number(spalte));
}

void schreibeHaus(LibraryWriter& w, const Quellen& q, const CsvRow& r) {
    const Town& ort = q.FindeTown(r["town"], r["country"]);
    const OrtNamen orte = NamenVon(ort, q);
    if (orte.klima.empty())
        throw std::runtime_error("house in a town without climate: " + r["name"]);
    const CVRMString satz = HausName(r["name"]);
    w.AddToList(LISTE_HAEUSER, satz);
    w.Float(satz, u"NormwaermeBedarf", r.Number("design_load_kW"));
    w.Float(satz, u"HeizVorlauf", r.Number("flow_C"));
    w.Float(satz, u"HeizRuecklauf", r.Number("return_C"));
    const long fb = ganz(r, "floor");
    const long ra = ganz(r, "radiators");
    w.Int(satz, u"FussbodenHeiz", fb);
    w.Int(satz, u"RadiatorenHeiz", ra);
    w.Int(satz, u"DeckungFB", fb ? 100 : 0);
    w.Int(satz, u"DeckungRA", fb ? 0 : (ra ? 100 : 0));
    w.Int(satz, u"WWproTag", ganz(r, "hot_water_l_day"));
    w.Float(satz, u"NAT", *ort.normAussenTemp);
    w.Text(satz, u"Klimaort", orte.klima);
    if (!orte.wetter.empty()) w.Text(satz, u"Wetterort", orte.wetter);
    if (!orte.sonne.empty()) w.Text(satz, u"Sonnenort", orte.sonne);
}

double leitfaehigkeit(const Quellen& q, const std::string& material) {
    for (const CsvRow& r : q.Tabelle("tube_materials").Rows())
        if (r["name"] == material) return r.Number("conductivity_W_mK");
    throw std::runtime_error("no tube material " + material);
}

bool istBodenart(const Quellen& q, const std::string& name) {
    for (const CsvRow& r : q.Tabelle("soil_derived").Rows())
        if (r["name"] == name) return true;
    for (const CsvRow& r : q.Tabelle("soil").Rows())
        if (IstBodenQuelle(r) && r["material"] == name) return true;
    return false;
}

// The soil profile: "depth:soil" layers from the top, each reaching down to its depth in
// metres; without layers the one soil of the source for its whole depth.
void schreibeBoden(LibraryWriter& w, const Quellen& q, const CsvRow& r, const CVRMString& satz) {
    w.Text(satz, u"Bodenart", BibName(r["soil"]));
    if (!r.Has("layers")) {
        w.Text(satz, u"Boden1", BibName(r["soil"]));
        return;
    }
    const std::vector<std::string> schichten = SplitList(r["layers"]);
    if (schichten.size() > 4) throw std::runtime_error("more than 4 soil layers: " + r["name"]);
    double oben = 0.0;
    int n = 0;
    for (const std::string& schicht : schichten) {
        const size_t trenner = schicht.find(':');
        if (trenner == std::string::npos)
            throw std::runtime_error("layer without depth: " + schicht);
        const double tiefe = ParseNumber(schicht.substr(0, trenner), "layer depth");
        const std::string boden = schicht.substr(trenner + 1);
        if (!(tiefe > oben)) throw std::runtime_error("layers not going down: " + r["name"]);
        if (!istBodenart(q, boden)) throw std::runtime_error("no soil type " + boden);
        oben = tiefe;
        ++n;
        w.Int(satz, platform::format(u"QTiefe%i", n), static_cast<long>(tiefe));
        w.Text(satz, platform::format(u"Boden%i", n), BibName(boden));
    }
}

// The fluid values the program stores with a chosen antifreeze: its properties at 0 °C.
void schreibeFrostschutz(LibraryWriter& w, const CsvRow& r, const CVRMString& satz) {
    const CVRMString fluid = BibName(r["antifreeze"]);
    const auto konz = static_cast<unsigned>(ganz(r, "concentration_vol_pct"));
    w.Text(satz, u"FSMittel", fluid);
    w.Int(satz, u"FSMKonz", static_cast<long>(konz));
    w.Float(satz, u"FSMDichte", CFSMdaten::getDichte(fluid, konz, 0.0f));
    w.Float(satz, u"FSMViskos", CFSMdaten::getKinViskos(fluid, konz, 0.0f));
    w.Float(satz, u"FSMSpezW", CFSMdaten::getSpezWaerme(fluid, konz, 0.0f));
    w.Float(satz, u"FSMWaermeLF", CFSMdaten::getWaermeleit(fluid, konz, 0.0f));
}

void schreibeQuelle(LibraryWriter& w, const Quellen& q, const CsvRow& r) {
    const CVRMString satz = QuellenName(r["name"]);
    w.AddToList(LISTE_WQUELLEN, satz);
    w.Int(satz, u"QuellMediumIdx", ganz(r, "kind"));
    w.Int(satz, u"BetrWeiseIdx", ganz(r, "mode"));
    w.Int(satz, u"DimPunktTemp", ganz(r, "design_point_C"));
    w.Int(satz, u"WQuelleLänge", ganz(r, "length_m"));
    w.Int(satz, u"SoleKreise", ganz(r, "count"));
    w.Int(satz, u"WQuelleFläche", ganz(r, "area_m2"));
    w.Float(satz, u"WQuelleAbstand", r.Number("distance_m"));
    w.Float(satz, u"RohrAussen", r.Number("outer_mm"));
    w.Float(satz, u"RohrInnen", r.Number("inner_mm"));
    w.Float(satz, u"VolStrom", r.Number("flow_m3h"));
    schreibeFrostschutz(w, r, satz);
    w.Text(satz, u"AbsMaterial", BibName(r["material"]));
    w.Float(satz, u"WärmeleitAbs", leitfaehigkeit(q, r["material"]));
    w.Text(satz, u"AbsUmhuell", BibName(r["covering"]));
    schreibeBoden(w, q, r, satz);
    w.Int(satz, u"WasserTemp", ganz(r, "water_temp_C"));
}

}  // namespace

CVRMString HausName(const std::string& name) {
    return BibName(name) + u"_HausX";
}
CVRMString QuellenName(const std::string& name) {
    return BibName(name) + u"_WQX";
}

void SchreibeProjekte(LibraryWriter& w, const Quellen& q) {
    for (const CsvRow& r : q.Tabelle("houses").Rows()) schreibeHaus(w, q, r);
    for (const CsvRow& r : q.Tabelle("heat_sources").Rows()) schreibeQuelle(w, q, r);
    for (const CsvRow& r : q.Tabelle("projects").Rows()) {
        const CVRMString satz = BibName(r["name"]);
        w.AddToList(LISTE_PROJEKTE, satz);
        w.Text(satz, u"Notiz", u16(r["note"]));
        w.Text(satz, u"Haus", HausName(r["house"]));
        w.Text(satz, u"WPumpe", BibName(r["heat_pump"]));
        w.Text(satz, u"WQuelle", QuellenName(r["heat_source"]));
        w.Text(satz, u"Tarif", BibName(r["tariff"]));
        w.Int(satz, u"AnzahlWP", 1);
        w.Text(satz, u"HeizsystemJN", CVRMString(u"111111"));
    }
}

}  // namespace libgen
