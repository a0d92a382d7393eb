#include "Projekte.h"

#include <stdexcept>

#include "Komponenten.h"
#include "Kosten.h"
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

// The gains of one kind, per m² of collector: 12 entries "temperature:gain" separated by
// ";", an empty entry for a month without gain; stored as the program stores them.
void schreibeGewinne(LibraryWriter& w, const CsvRow& r, const CVRMString& satz, const char* spalte,
                     const char16_t* praefix) {
    const std::vector<std::string> monate = SplitList(r[spalte]);
    if (monate.size() != 12) throw std::runtime_error(std::string(spalte) + " without 12 months");
    for (size_t m = 0; m < monate.size(); ++m) {
        if (monate[m].empty()) continue;
        const size_t trenner = monate[m].find(':');
        if (trenner == std::string::npos) throw std::runtime_error("gain without temperature");
        const double temp = ParseNumber(monate[m].substr(0, trenner), "gain temperature");
        const double gewinn = ParseNumber(monate[m].substr(trenner + 1), "gain");
        w.Text(satz, platform::format(u"%s%i", praefix, static_cast<int>(m)),
               platform::format(u"%.2f#%.2f#", temp, gewinn));
    }
}

// A solar plant and where its project's house sends its heat: one destination per month
// for each of the three systems (0 none, 1 hot water, 2 heating, 3 the ground).
void schreibeSolarAnlage(LibraryWriter& w, const CsvRow& r) {
    const CVRMString satz = SolarName(r["name"]);
    w.AddToList(LISTE_SOLARANLAGEN, satz);
    w.Text(satz, u"SolKollBez", BibName(r["collector"]));
    w.Float(satz, u"KFlaeche", r.Number("area_m2"));
    w.Int(satz, u"SolTauschVerlust", ganz(r, "loss_hot_water_K"));
    w.Int(satz, u"SolTauschVerlustH", ganz(r, "loss_heating_K"));
    w.Int(satz, u"SolTauschVerlustE", ganz(r, "loss_ground_K"));
    schreibeGewinne(w, r, satz, "gains_hot_water", u"SolarGewinnW");
    schreibeGewinne(w, r, satz, "gains_heating", u"SolarGewinnH");
    schreibeGewinne(w, r, satz, "gains_ground", u"SolarGewinnE");

    const CVRMString haus = HausName(r["project"]);
    w.Int(haus, u"ProjMitSolar", 1);
    for (int system = 1; system <= 3; ++system) {
        const std::string wohin = r[platform::toUtf8(platform::format(u"destinations%i", system))];
        if (wohin.size() != 12 || wohin.find_first_not_of("0123") != std::string::npos)
            throw std::runtime_error("destinations need 12 digits 0 to 3: " + r["name"]);
        std::u16string text;
        for (char ziel : wohin) text += std::u16string{static_cast<char16_t>(ziel), u'#'};
        w.Text(haus, platform::format(u"SolarWohin%i", system), CVRMString(text));
    }
    w.Text(BibName(r["project"]), u"Solar", satz);
}

}  // namespace

CVRMString SolarName(const std::string& name) {
    return BibName(name) + u"_Solar";
}

CVRMString HausName(const std::string& name) {
    return BibName(name) + u"_HausX";
}
CVRMString QuellenName(const std::string& name) {
    return BibName(name) + u"_WQX";
}

void SchreibeProjekte(LibraryWriter& w, const Quellen& q) {
    for (const CsvRow& r : q.Tabelle("houses").Rows()) schreibeHaus(w, q, r);
    for (const CsvRow& r : q.Tabelle("heat_sources").Rows()) schreibeQuelle(w, q, r);
    const CVRMString kosten = BetriebskostenListe(q);
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
        // Each sample keeps its own prices, as a project the user saved does.
        w.Text(satz, u"BKostenDaten", kosten);
    }
    for (const CsvRow& r : q.Tabelle("solar_plants").Rows()) schreibeSolarAnlage(w, r);
}

}  // namespace libgen
