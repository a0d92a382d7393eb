// Loading, values and the source-medium tables of the heat pump.
#include "model/heatpump/WPumpe2.h"

#include <exception>
#include <optional>

#include "core/text/TextIdConstants.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/errors/Fehler.h"
#include "platform/numbers/Numbers.h"

namespace {

constexpr int kLeistDatenPlaetze = 8;

// The rating source temperature, the source temperature of the stored maximum flow
// temperature and the heat-source kind of each medium.
struct MediumZeile {
    float apq;
    float mvtQuellTemp;
    int quellenArt;
};
constexpr MediumZeile kMedien[] = {
    {0.0f, 0.0f, 0},    // brine/water
    {2.0f, 2.0f, 2},    // air/water
    {10.0f, 10.0f, 3},  // water/water
    {-1.0f, 0.0f, 1},   // direct evaporation
    {20.0f, 20.0f, 6},  // air at a given constant temperature
};

std::optional<MediumZeile> FindeMedium(int medium) {
    if (medium < 0 || medium >= static_cast<int>(std::size(kMedien))) return std::nullopt;
    return kMedien[medium];
}

MediumZeile MediumOderFehler(int medium, const char16_t* ort) {
    const auto gefunden = FindeMedium(medium);
    if (!gefunden) ThrowFehler(textid::kFalscheKonstante, ort);
    return *gefunden;
}

// The media a heat-source kind takes.
bool ErlaubtMedium(int quellenArt, int medium, const char16_t* ort) {
    switch (quellenArt) {
        case 0:
        case 1:
            return medium == 0 || medium == 3;
        case 2:
            return medium == 1;
        case 3:
            return medium == 2;
        case 4:
        case 5:
            return medium == 0;
        case 6:
            return medium == 4;
        default:
            ThrowFehler(textid::kFalscheKonstante, ort);
    }
}

}  // namespace

CWPumpe2::CWPumpe2() : m_leistDaten(kLeistDatenPlaetze) {}

void CWPumpe2::GetDatenIDs(CWordArray& ids) {
    ids.insert(ids.end(), {ID_LeistungSP,
                           ID_LeistungUP,
                           ID_MaxVorlaufTemp,
                           ID_MedienTyp,
                           ID_VolStromSole,
                           ID_MinLuftTemp,
                           ID_TempDiffVerdampf,
                           ID_TempDiffVerfluess,
                           ID_MinInterpolTempVL,
                           ID_MaxInterpolTempSO,
                           ID_Auslegung,
                           ID_WaWaSommer,
                           ID_ZKWTverlust,
                           ID_ZKWTpumpe,
                           ID_WPident,
                           ID_WPdatei,
                           ID_WPpreis,
                           ID_AVE,
                           ID_MDV,
                           ID_VSE,
                           ID_ZWKWT,
                           ID_PGS});
}

void CWPumpe2::init(const CVRMwerteListe& werte) {
    if (werte.IsEmpty()) ThrowFehler(textid::kDatenFehlen, u"CWPumpe2::init(1)");
    try {
        m_werte = werte;
        // The stored maximum flow temperature: the records are not there yet to compute it.
        CVRMdatenProvider2::Get().GetWPLeistDaten(werte.getName(), m_leistDaten,
                                                  werte.get(ID_MaxVorlaufTemp).GetUIntVal());
        if (m_anzahl == 0) ThrowFehler(textid::kDatenFehlen, u"CWPumpe2::checkInit");
    } catch (const std::exception&) {
        ThrowFehler(textid::kNichtInitialisiert, werte.getName());
    }
}

bool CWPumpe2::IstInitialisiert() const {
    return !m_werte.getName().IsEmpty() && !m_werte.IsEmpty();
}

void CWPumpe2::PruefeInit(const char16_t* ort) const {
    if (!IstInitialisiert()) ThrowFehler(textid::kNichtInitialisiert, ort);
}

int CWPumpe2::Medium() const {
    return m_werte.get(ID_MedienTyp).GetIntVal();
}

CVRMwert& CWPumpe2::GetWert(TKelvoDatenID id, bool quiet) {
    PruefeInit(u"CWPumpe2::GetWert");
    if (id == ID_MaxVorlaufTemp) {
        const auto medium = FindeMedium(Medium());
        const float quellTemp = medium ? medium->mvtQuellTemp : 0.0f;
        m_werte.get(ID_MaxVorlaufTemp) =
            static_cast<unsigned int>(platform::toUInt32(getMVT(quellTemp)));
    }
    return m_werte.get(id, quiet);
}

void CWPumpe2::SetAnzahl(unsigned anzahl) {
    PruefeInit(u"CWPumpe2::SetAnzahl");
    if (anzahl == 0) ThrowFehler(textid::kDatenFehlen, u"CWPumpe2::SetAnzahl");
    m_anzahl = anzahl;
}

float CWPumpe2::getAPQ() {
    PruefeInit(u"CWPumpe2::getAPQ");
    return MediumOderFehler(Medium(), u"CWPumpe2::getAPQ").apq;
}

float CWPumpe2::getAPV() {
    PruefeInit(u"CWPumpe2::getAPV");
    return CWPLeistDaten::kVorlauf35;
}

int CWPumpe2::getQuellenMedium() {
    PruefeInit(u"CWPumpe2::getQuellenMedium");
    return MediumOderFehler(Medium(), u"CWPumpe2::getQuellenMedium()").quellenArt;
}

bool CWPumpe2::PasstZuQuellenMedium(int art, int art2) {
    try {
        PruefeInit(u"CWPumpe2::PasstZuQuellenMedium");
        const int medium = Medium();
        const bool passt1 = ErlaubtMedium(art, medium, u"CWPumpe2::PasstZuQuellenMedium1");
        if (art2 <= -2) return passt1;
        const bool passt2 = ErlaubtMedium(art2, medium, u"CWPumpe2::PasstZuQuellenMedium2");
        return passt1 && passt2;
    } catch (const std::exception&) {
        ShowFehler(textid::kTestNichtMoeglich, u"WPumpe::PasstZuQuellenMedium");
        return false;
    }
}

void CWPumpe2::GetGueltigeLeistDaten(WPLeistDatenZeiger& daten) const {
    daten.clear();
    for (int i = 0; i < m_leistDaten.GetSize(); ++i)
        if (const CWPLeistDaten* satz = m_leistDaten.GetAt(i); satz && satz->IstGueltig())
            daten.push_back(satz);
}

bool TesteConsumerName(const CWPumpe2&) {
    return false;
}
