// Climate, sunshine and soil records, and the locations that belong to a climate location.
#include "model/data/VRMdatenProvider2.h"

#include <algorithm>
#include <array>

#include "core/db/Global.h"
#include "core/db/SectionNames.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "model/data/ZahlenReihe.h"
#include "model/errors/Fehler.h"
#include "model/errors/GlobaleTexte.h"
#include "platform/errors/UserException.h"

namespace {

constexpr unsigned kKlimaortFehlt = 3342;   // "Climate location %s not available"
constexpr unsigned kSonnenortFehlt = 3698;  // "Sunshine location '%s'\nnot found"

// Where a series of twelve lives and how its absence is reported.
struct ZwoelferReihe {
    TKelvoDatenID id;
    unsigned ohneOrt;
    unsigned fehlt;
};
constexpr ZwoelferReihe kKlima{ID_207, textid::kKeinKlimaort, kKlimaortFehlt};
constexpr ZwoelferReihe kSonne{ID_48, textid::kKeinSonnenort, kSonnenortFehlt};

void LeseZwoelf(const ZwoelferReihe& reihe, const CVRMString& name,
                CVRMdatenProvider2::MonatsWerte out) {
    std::fill(out.begin(), out.end(), 0.0f);
    if (!IstOrtGewaehlt(name)) ThrowFehler(reihe.ohneOrt, nullptr);
    const CVRMString text = CVRMdatenProvider::get().getWert(name, reihe.id).GetStringVal();
    if (text.IsEmpty()) {
        CVRMString ort;
        ort.Format(reihe.fehlt, std::u16string_view(name));
        ThrowFehler(textid::kDatenFehlen, ort);
    }
    const auto [satz, key] = CVRMdatenProvider::get().getStelle(name, reihe.id);
    const std::vector<double> werte =
        ZerlegeZahlenReihe(text, vrmdb::kZahlenTrenner, out.size(), {satz, key});
    std::transform(werte.begin(), werte.end(), out.begin(),
                   [](double w) { return static_cast<float>(w); });
}

void SpeichereZwoelf(const CVRMString& name, TKelvoDatenID id,
                     CVRMdatenProvider2::KonstMonatsWerte werte) {
    std::array<float, 12> monate;
    std::copy(werte.begin(), werte.end(), monate.begin());
    CVRMString text;
    FloatsToString(monate, vrmdb::kZahlenTrenner, text, 1);
    CVRMwert wert(text);
    CVRMdatenProvider::get().saveWert(name, id, wert);
}

void PruefeOrt(const CVRMString& name) {
    if (!IstOrtGewaehlt(name)) ThrowFehler(textid::kKeinKlimaort, nullptr);
}

// A climate value; any failure inside is reported once more as "Could not compute results".
CVRMwert LeseKlimaWert(const CVRMString& klimaort, TKelvoDatenID id, const char16_t* ort) {
    try {
        PruefeOrt(klimaort);
        return CVRMdatenProvider::get().getWert(klimaort, id);
    } catch (const platform::UserException&) {
        ThrowFehler(textid::kKeineErgebnisse, ort);
    }
}

bool IstBodenDatenId(TKelvoDatenID id) {
    return id == ID_Waermeleitzahl || id == ID_SpezWaerme || id == ID_Dichte;
}

}  // namespace

CVRMdatenProvider2* CVRMdatenProvider2::s_instanz = nullptr;

CVRMdatenProvider2& CVRMdatenProvider2::Get() {
    if (!s_instanz) s_instanz = new CVRMdatenProvider2();
    return *s_instanz;
}

void CVRMdatenProvider2::Release() {
    delete s_instanz;
    s_instanz = nullptr;
}

void CVRMdatenProvider2::PruefeGemerkt() {
    const uint64_t stand = IGlobal::AenderungsStand();
    if (stand == m_gemerktStand) return;
    m_zwoelf.Leere();
    m_klassen.Leere();
    m_boden.Leere();
    m_gemerktStand = stand;
}

void CVRMdatenProvider2::LeseZwoelfGemerkt(TKelvoDatenID id, unsigned ohneOrt, unsigned fehlt,
                                           const CVRMString& name, MonatsWerte out) {
    PruefeGemerkt();
    if (const auto* gemerkt = m_zwoelf.Finde(id, name)) {
        std::copy(gemerkt->begin(), gemerkt->end(), out.begin());
        return;
    }
    LeseZwoelf(ZwoelferReihe{id, ohneOrt, fehlt}, name, out);
    std::array<float, kMonate> werte;
    std::copy(out.begin(), out.end(), werte.begin());
    m_zwoelf.Merke(id, name, {}, werte);
}

void CVRMdatenProvider2::GetMonatsWerte(const CVRMString& klimaort, MonatsWerte out) {
    LeseZwoelfGemerkt(kKlima.id, kKlima.ohneOrt, kKlima.fehlt, klimaort, out);
}

float CVRMdatenProvider2::getKlimaMonatsTemp(const CVRMString& klimaort, unsigned monat) {
    if (monat >= kMonate)
        ThrowFehler(textid::kDatenFehlen, u"VRMdatenProvider2::getKlimaMonatsTemp");
    std::array<float, kMonate> werte;
    GetMonatsWerte(klimaort, werte);
    return werte[monat];
}

CVRMwert CVRMdatenProvider2::getNormAussenTemp(const CVRMString& klimaort) {
    return LeseKlimaWert(klimaort, ID_NAT, u"VRMdatenProvider2::getNormAussenTemp");
}

CVRMwert CVRMdatenProvider2::getKlimaortDaten(const CVRMString& klimaort, TKelvoDatenID datenId) {
    return LeseKlimaWert(klimaort, datenId, u"VRMdatenProvider2::getKlimaortDaten");
}

void CVRMdatenProvider2::LeseSonnenMonatsStd(const CVRMString& sonnenort, MonatsWerte out) {
    LeseZwoelfGemerkt(kSonne.id, kSonne.ohneOrt, kSonne.fehlt, sonnenort, out);
}

float CVRMdatenProvider2::getSonnenMonatsStd(const CVRMString& sonnenort, unsigned monat) {
    if (monat >= kMonate)
        ThrowFehler(textid::kDatenFehlen, u"CVRMdatenProvider2::getSonnenMonatsStd(us)");
    std::array<float, kMonate> werte;
    LeseSonnenMonatsStd(sonnenort, werte);
    return werte[monat];
}

void CVRMdatenProvider2::SaveKlimaMonatsTemps(const CVRMString& klimaort, KonstMonatsWerte werte) {
    PruefeOrt(klimaort);
    SpeichereZwoelf(klimaort, kKlima.id, werte);
}

void CVRMdatenProvider2::SaveSonnenMonatsStd(const CVRMString& sonnenort, KonstMonatsWerte werte) {
    SpeichereZwoelf(sonnenort, kSonne.id, werte);
}

void CVRMdatenProvider2::SaveNormAussenTemp(const CVRMString& klimaort, float wert) {
    PruefeOrt(klimaort);
    CVRMwert w(wert);
    CVRMdatenProvider::get().saveWert(klimaort, ID_NAT, w);
}

void CVRMdatenProvider2::SaveWert(const CVRMString& satz, TKelvoDatenID datenId,
                                  const CVRMString& text) {
    PruefeOrt(satz);
    CVRMwert w(text);
    CVRMdatenProvider::get().saveWert(satz, datenId, w);
}

CVRMString CVRMdatenProvider2::GetKlimaortText666(const CVRMString& klimaort) {
    const CVRMString name = getKlimaortDaten(klimaort, ID_666).GetStringVal();
    return name.IsEmpty() ? GetAusKlimaText2() : name;
}

CVRMString CVRMdatenProvider2::GetKlimaortName(const CVRMString& klimaort) {
    const CVRMString name = getKlimaortDaten(klimaort, ID_667).GetStringVal();
    return name.IsEmpty() ? GetAusKlimaText() : name;
}

CVRMString CVRMdatenProvider2::GetKlimaortText668(const CVRMString& klimaort) {
    const CVRMString name = getKlimaortDaten(klimaort, ID_668).GetStringVal();
    return name.IsEmpty() ? GetStdBodenName() : name;
}

float CVRMdatenProvider2::GetBodenDaten(TKelvoDatenID datenId, const CVRMString& bodenart) {
    if (bodenart.IsEmpty()) ThrowFehler(textid::kDatenFehlen, u"CVRMdatenProvider2::GetBodenDaten");
    if (!IstBodenDatenId(datenId))
        ThrowFehler(textid::kFalscheKonstante, u"CVRMdatenProvider2::GetBodenDaten");
    PruefeGemerkt();
    if (const auto* gemerkt = m_boden.Finde(datenId, bodenart)) return (*gemerkt)[0];
    const float wert = CVRMdatenProvider::get().getWert(bodenart, datenId).GetFloatVal();
    m_boden.Merke(datenId, bodenart, {}, {wert});
    return wert;
}

void CVRMdatenProvider2::SaveBodenDaten(const CVRMString& bodenart, float waermeleitzahl,
                                        float spezWaerme, float dichte) {
    if (bodenart.IsEmpty())
        ThrowFehler(textid::kDatenFehlen, u"CVRMdatenProvider2::SaveBodenDaten");
    const std::pair<TKelvoDatenID, float> werte[] = {
        {ID_Waermeleitzahl, waermeleitzahl}, {ID_SpezWaerme, spezWaerme}, {ID_Dichte, dichte}};
    for (const auto& [id, zahl] : werte) {
        CVRMwert w(zahl);
        CVRMdatenProvider::get().saveWert(bodenart, id, w);
    }
}
