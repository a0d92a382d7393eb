#include "Orte.h"

#include <vector>

#include "Names.h"
#include "model/data/VRMdatenProvider2.h"
#include "platform/text/Text.h"

namespace libgen {

namespace {

const CVRMString kKlimadaten = u"Klimadaten";
const CVRMString kWetterdaten = u"Wetterdaten";
const CVRMString kSonnendaten = u"Sonnendaten";
const CVRMString kBodendaten = u"Bodendaten";

CVRMString reihe(const Monate& werte) {
    std::vector<float> f(werte.begin(), werte.end());
    return CVRMdatenProvider2::SchreibeReihe(f, 1);
}

// The library keeps its weather bins in the transformed form that the model reads back.
CVRMString klassenReihe(const CsvRow& bins) {
    std::vector<float> gespeichert;
    for (int i = 0; i < CVRMdatenProvider2::kTempKlassen; ++i) {
        const std::string spalte = std::string("bin_") + (i < 10 ? "0" : "") + std::to_string(i);
        gespeichert.push_back(
            CVRMdatenProvider2::BiboWertSpeichern(static_cast<float>(bins.Number(spalte)), i));
    }
    return CVRMdatenProvider2::SchreibeReihe(gespeichert, 2);
}

void zeigen(LibraryWriter& w, const CVRMString& section, const CVRMString& name) {
    w.Int(section, name + u"ANZ", 1);
}

std::string standardName(const Quellen& q, const std::string& art, const std::string& town) {
    for (const CsvRow& r : q.Tabelle("standard_locations").Rows())
        if (r["kind"] == art && r["town"] == town) return r["name"];
    return {};
}

}  // namespace

OrtNamen NamenVon(const Town& t, const Quellen& q) {
    OrtNamen n;
    if (t.IstKlimaort()) n.klima = KlimaortName(t.Basis());
    if (t.klassen) n.wetter = BibName(t.Basis());
    if (t.sonne) {
        const std::string standard = standardName(q, "sun", t.name);
        n.sonne = BibName(standard.empty() ? t.Basis() : standard);
    }
    return n;
}

void SchreibeLaender(LibraryWriter& w, const Quellen& q) {
    for (const CsvRow& r : q.Tabelle("countries").Rows()) {
        w.AddToList(LISTE_LAENDER, CVRMString(platform::fromUtf8(r["number"] + "#" + r["name"] +
                                                                 "#" + r["code"])));
    }
}

void SchreibeOrte(LibraryWriter& w, const Quellen& q) {
    for (const Town& t : q.towns) {
        const OrtNamen n = NamenVon(t, q);
        if (!n.wetter.empty()) {
            w.AddToList(LISTE_WETTERORTE, n.wetter);
            w.Text(kWetterdaten, n.wetter, klassenReihe(*t.klassen));
            zeigen(w, kWetterdaten, n.wetter);
        }
        if (!n.sonne.empty()) {
            w.AddToList(LISTE_SONNENORTE, n.sonne);
            w.Text(kSonnendaten, n.sonne, reihe(*t.sonne));
            zeigen(w, kSonnendaten, n.sonne);
        }
        if (n.klima.empty()) continue;
        w.AddToList(LISTE_KLIMAORTE, n.klima);
        w.Text(kKlimadaten, n.klima, reihe(t.temps));
        w.Float(kKlimadaten, n.klima + u"NAT", *t.normAussenTemp);
        zeigen(w, kKlimadaten, n.klima);
        // Without an entry the program computes the weather from the climate and falls
        // back to the standard sun location.
        if (!n.wetter.empty()) w.Text(kKlimadaten, n.klima + u"WORT", n.wetter);
        if (!n.sonne.empty()) w.Text(kKlimadaten, n.klima + u"SORT", n.sonne);
    }
    for (const CsvRow& r : q.Tabelle("standard_locations").Rows()) {
        const CVRMString name = BibName(r["name"]);
        if (r["kind"] == "weather") {
            w.AddToList(LISTE_WETTERORTE, name);
            zeigen(w, kWetterdaten, name);
        } else if (r["kind"] == "ground") {
            w.AddToList(LISTE_BODENORTE, name);
            zeigen(w, kBodendaten, name);
        }
    }
}

}  // namespace libgen
