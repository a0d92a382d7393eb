// Weather bins and ground temperatures: read from their records, transformed back for
// library records, or computed from the climate for the standard and "from climate" names.
#include <algorithm>
#include <array>
#include <vector>

#include "core/db/Global.h"
#include "core/db/SectionNames.h"
#include "core/db/TextCompare.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/data/ZahlenReihe.h"
#include "model/errors/Fehler.h"
#include "model/errors/GlobaleTexte.h"

namespace {

constexpr unsigned kWetterortFehlt = 3341;  // "Weather location %s not available"
constexpr unsigned kKeinBodenort = 3770;    // "No location for ground temperatures given!"
constexpr unsigned kBodenortFehlt = 3771;   // "Location for ground temperature %s unknown"
constexpr unsigned kStandardWetter = 3610;  // "StandardW"
constexpr unsigned kStandardBoden = 3611;   // "StandardG"

// "StandardW_(bib)" and "StandardG_(bib)" in the current language.
CVRMString StandardName(unsigned textId) {
    CVRMString name(textId, nullptr);
    name += u'_';
    name += CVRMString(textid::kBiboMarke, nullptr);
    return name;
}

// The standard record and the "calculated from climate" marker take their series from the
// climate location.
bool AusKlima(const CVRMString& name, unsigned standardTextId) {
    return KVScompareNoCase(name, StandardName(standardTextId)) == 0 ||
           KVScompareNoCase(name, GetAusKlimaText()) == 0;
}

// The stored numbers of a record, transformed back when the record is the library's.
std::vector<float> LeseGespeicherteReihe(const CVRMString& name, TKelvoDatenID id,
                                         unsigned fehltTextId, size_t maxAnzahl) {
    const CVRMString text = CVRMdatenProvider::get().getWert(name, id).GetStringVal();
    if (text.IsEmpty()) {
        CVRMString ort;
        ort.Format(fehltTextId, std::u16string_view(name));
        ThrowFehler(textid::kDatenFehlen, ort);
    }
    const bool bibo = IGlobal::IstBiboName(name);
    const auto [satz, key] = CVRMdatenProvider::get().getStelle(name, id);
    const std::vector<double> gelesen =
        ZerlegeZahlenReihe(text, vrmdb::kZahlenTrenner, maxAnzahl, {satz, key});
    std::vector<float> werte;
    for (size_t i = 0; i < gelesen.size(); ++i) {
        const float wert = static_cast<float>(gelesen[i]);
        werte.push_back(bibo ? CVRMdatenProvider2::BiboWertLesen(wert, static_cast<int>(i)) : wert);
    }
    return werte;
}

void SpeichereReihe(const CVRMString& name, TKelvoDatenID id, std::span<const float> werte,
                    int nachkomma) {
    const bool bibo = IGlobal::IstBiboName(name);
    std::vector<float> gespeichert(werte.begin(), werte.end());
    if (bibo) {
        for (size_t i = 0; i < gespeichert.size(); ++i) {
            gespeichert[i] =
                CVRMdatenProvider2::BiboWertSpeichern(gespeichert[i], static_cast<int>(i));
        }
    }
    CVRMwert wert(CVRMdatenProvider2::SchreibeReihe(gespeichert, nachkomma));
    CVRMdatenProvider::get().saveWert(name, id, wert);
}

}  // namespace

void CVRMdatenProvider2::GetTempHaeufigkeiten(const CVRMString& wetterort, TempKlassen out,
                                              const CVRMString& klimaort) {
    PruefeGemerkt();
    if (const auto* gemerkt = m_klassen.Finde(ID_210, wetterort, klimaort)) {
        std::copy(gemerkt->begin(), gemerkt->end(), out.begin());
        return;
    }
    LeseTempHaeufigkeiten(wetterort, out, klimaort);
    std::array<float, kTempKlassen> klassen;
    std::copy(out.begin(), out.end(), klassen.begin());
    m_klassen.Merke(ID_210, wetterort, klimaort, klassen);
}

void CVRMdatenProvider2::LeseTempHaeufigkeiten(const CVRMString& wetterort, TempKlassen out,
                                               const CVRMString& klimaort) {
    std::fill(out.begin(), out.end(), 0.0f);
    if (AusKlima(wetterort, kStandardWetter)) {
        std::array<float, kMonate> temps;
        GetMonatsWerte(klimaort, temps);
        const float tn = getNormAussenTemp(klimaort).GetFloatVal();
        ErzeugeTempHaeufigkeiten(temps, out, tn);
        return;
    }
    if (!IstOrtGewaehlt(wetterort)) ThrowFehler(textid::kKeinWetterort, nullptr);
    const std::vector<float> werte =
        LeseGespeicherteReihe(wetterort, ID_210, kWetterortFehlt, out.size());
    // A shorter list ends at +12 °C: the bins in front of it stay 0.
    std::copy(werte.begin(), werte.end(), out.end() - static_cast<std::ptrdiff_t>(werte.size()));
}

void CVRMdatenProvider2::SaveWetterWerte(const CVRMString& wetterort, KonstTempKlassen werte) {
    if (!IstOrtGewaehlt(wetterort)) ThrowFehler(textid::kKeinWetterort, nullptr);
    SpeichereReihe(wetterort, ID_210, werte, 2);
}

void CVRMdatenProvider2::GetBodenMonatsTemps(const CVRMString& bodenort, MonatsWerte out,
                                             const CVRMString& klimaort) {
    PruefeGemerkt();
    if (const auto* gemerkt = m_zwoelf.Finde(ID_284, bodenort, klimaort)) {
        std::copy(gemerkt->begin(), gemerkt->end(), out.begin());
        return;
    }
    LeseBodenMonatsTemps(bodenort, out, klimaort);
    std::array<float, kMonate> temps;
    std::copy(out.begin(), out.end(), temps.begin());
    m_zwoelf.Merke(ID_284, bodenort, klimaort, temps);
}

void CVRMdatenProvider2::LeseBodenMonatsTemps(const CVRMString& bodenort, MonatsWerte out,
                                              const CVRMString& klimaort) {
    std::fill(out.begin(), out.end(), 0.0f);
    if (AusKlima(bodenort, kStandardBoden)) {
        std::array<float, kMonate> luft;
        GetMonatsWerte(klimaort, luft);
        SinusJahresgang(luft, out);
        return;
    }
    if (!IstOrtGewaehlt(bodenort)) ThrowFehler(kKeinBodenort, nullptr);
    const std::vector<float> werte =
        LeseGespeicherteReihe(bodenort, ID_284, kBodenortFehlt, out.size());
    std::copy(werte.begin(), werte.end(), out.begin());
}

void CVRMdatenProvider2::SaveBodenMonatsTemps(const CVRMString& bodenort, KonstMonatsWerte werte) {
    if (!IstOrtGewaehlt(bodenort)) ThrowFehler(kKeinBodenort, nullptr);
    SpeichereReihe(bodenort, ID_284, werte, 1);
}
