// The VDI 4650 calculator for the project: its values gathered from the evaluated
// project, the guideline's limits checked, and the calculator window opened with them.
#include <algorithm>
#include <exception>

#include "app/doc/KelvoDoc.h"
#include "app/doc/VDI4650Fenster.h"
#include "core/text/TextIdConstants.h"
#include "evaluation/vdi4650/VDI4650.h"
#include "evaluation/vdi4650/VDI4650Rechner.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "model/results/AuswertDaten.h"
#include "model/results/KelvoErgebnisse.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/numbers/Numbers.h"

namespace {

constexpr unsigned kSonderanlage = 5682;  // "Special customized heating systems ..."
constexpr uint32_t kHinweis = platform::mb::OK | platform::mb::ICONINFORMATION;

// The guideline's limits as its messages state them.
constexpr float kMaxLeistung = 30.0f;  // kW heating capacity at the rating point
constexpr float kMinPruefSpreizung = 3.0f, kMaxPruefSpreizung = 15.0f;  // K, test bench
constexpr float kPruefVorlauf = 35.0f;  // °C, the flow of the COP test points

// The calculator knows the modes of the guideline; the two with return-flow raising count
// as the parallel mode they are.
int VDIBetriebsweise(int modus) {
    if (modus == 7) return VDI4650::kMonoenergetischParallel;
    if (modus == 8) return VDI4650::kBivalentParallel;
    return modus;
}

[[noreturn]] void Abbruch(unsigned textId) { ThrowFehler(textId, u""); }

}  // namespace

void CKelvoDoc::DoVDI4650(int modus, QWidget* parent) {
    SVDI4650Projektdaten daten;
    if (!GetVDI4650Daten(daten)) return;
    if (const VDI4650Fenster& fenster = GetVDI4650Fenster()) fenster(modus, *this, parent, daten);
}

bool CKelvoDoc::GetVDI4650Daten(SVDI4650Projektdaten& d) {
    if (!IstVDI4650Moeglich()) {
        KVSMessageBoxID(kSonderanlage, textid::kProduktCaption, kHinweis);
        return false;
    }
    CKelvoErgebnisse ergebnisse;
    CAuswertDaten jahr;
    std::array<float, 12> monate{};
    if (!GetJahresErgebnisse(ergebnisse, jahr, monate, 0, 0.0f)) return false;
    try {
        d = SVDI4650Projektdaten{};
        CWQuelle2& erste = *GetWQuelle(1);
        const int modus = erste.GetWert(ID_BetrWeiseIdx).GetIntVal();
        const int bivalenz = erste.GetWert(ID_DimPunktTemp).GetIntVal();
        const unsigned anzahl = std::max(m_projekt.GetWert(ID_AnzahlWP).GetUIntVal(), 1u);
        d.tVorlauf = m_haus.GetWert(ID_HeizVorlauf).GetFloatVal();
        if (modus != 0 && modus != 1 && modus != 2)
            d.tVorlauf = GetDimWerte(static_cast<float>(bivalenz), static_cast<int>(anzahl), true)
                             .auslegTemp;

        // Each COP goes where the calculator reads it for the kind: A-7, A2 and A10 for air,
        // B0 (direct evaporation -1) in the second slot, W10 in the third. As the calculator
        // does, the heat pump's record at the test point counts; a point between its records
        // is interpolated.
        const int medium = m_wpumpe.GetWert(ID_MedienTyp).GetIntVal();
        const auto cop = [this](float quellTemp) {
            float wert = 0.0f;
            if (m_wpumpe.GetTabellenLeistungszahl(quellTemp, kPruefVorlauf, wert)) return wert;
            return m_wpumpe.GetLeistungszahl(quellTemp, kPruefVorlauf);
        };
        switch (medium) {
            case VDI4650::kLuftWasser:
                d.cop1 = cop(-7.0f);
                d.cop2 = cop(2.0f);
                d.cop3 = cop(10.0f);
                break;
            case VDI4650::kSoleWasser:
                d.cop2 = cop(0.0f);
                break;
            case VDI4650::kWasserWasser:
                d.cop3 = cop(10.0f);
                break;
            case VDI4650::kDirektverdampfung:
                d.cop2 = cop(-1.0f);
                break;
            default:
                break;
        }
        const bool speicherWP = m_haus.GetWert(ID_WWSpTyp).GetIntVal() == 3;
        if (speicherWP) d.warmwasserWP = m_haus.GetWert(ID_BWW).GetFloatVal();

        d.pruef = m_wpumpe.GetWert(ID_TempDiffVerfluess).GetFloatVal();
        d.betrieb = m_haus.GetWert(ID_HeizVorlauf).GetFloatVal() -
                    m_haus.GetWert(ID_HeizRuecklauf).GetFloatVal();
        d.tNorm = m_haus.GetNormAussenTemp().GetFloatVal();
        d.tQuelle = medium == 0 ? GetMittlereQuellTemp(true, 0, 11) : GetMittlereQuellTemp(false, 9, 3);
        d.zwischenWT = medium == 2 && erste.GetWert(ID_ZwkWt).GetBoolVal();
        if (d.zwischenWT) d.tQuelle += m_projekt.GetWert(ID_ZKWTV2).GetFloatVal();
        d.heizgrenze = static_cast<float>(platform::toInt32(m_haus.GetWert(ID_HeizGrenzTemp).GetFloatVal()));
        float leistung = 0.0f;
        if (!m_wpumpe.getTabellenWert(CWPumpe2::kHeizLeistung, m_wpumpe.getAPQ(), m_wpumpe.getAPV(),
                                      leistung))
            leistung = m_wpumpe.getTHL();
        d.leistung = leistung;
        d.art = medium;
        d.betriebsweise = VDIBetriebsweise(modus);
        d.tBiv = static_cast<float>(bivalenz);
        d.wpName = m_wpumpe.getConsumerName();
        d.anzahl = anzahl;

        VDI4650::SetOptionen(false, false);
        PruefeVDI4650(d);

        // The heating's share of the heat, whole percent.
        const float heizung = jahr.Feld(AF_ZweiterWEHeiz) + jahr.Feld(AF_WPWaermeHeiz);
        const float summe = jahr.Feld(AF_ZweiterWEWW) + jahr.Feld(AF_WPWaermeWW) + heizung;
        d.prozentHeizung = summe > 0.0f ? platform::toInt32(heizung / summe * 100.0f) : 0;
        d.warmwasser = speicherWP ? VDI4650::kWarmwasserZweiteWP
                                  : m_haus.GetWert(ID_WWmitWP).GetIntVal();
        d.pumpenLeistung = static_cast<int>(m_projekt.GetWert(ID_LeistungSP2).GetUIntVal());
        // The heat pumps' capacity at the design point.
        const SDimWerte dim = GetDimWerte(static_cast<float>(bivalenz));
        m_wpumpe.GetLeistungGesamt(CWPumpe2::kHeizLeistung, dim.quellTemp, dim.auslegTemp,
                                   dim.auslegTemp, m_haus.GetWert(ID_HeizRuecklauf).GetFloatVal(),
                                   d.leistungAuslegung);
        return true;
    } catch (const platform::UserException&) {
        return false;
    }
}

void CKelvoDoc::PruefeVDI4650(SVDI4650Projektdaten& d) {
    if (!(d.leistung > 0.0f && d.leistung <= kMaxLeistung)) Abbruch(5679);
    if (!(d.pruef >= kMinPruefSpreizung && d.pruef <= kMaxPruefSpreizung)) Abbruch(5673);
    if (!VDI4650::IstImBereich3bis10(d.betrieb)) Abbruch(5674);
    if (!VDI4650::IstVorlaufImBereich(d.tVorlauf, 0.0f)) Abbruch(5675);
    // A temperature above the guideline's range is taken at its upper end, after a note.
    const auto obenBegrenzt = [&d](bool imBereich, unsigned hinweis, float grenze) {
        if (imBereich) return;
        KVSMessageBoxID(hinweis, textid::kProduktCaption, kHinweis);
        d.tQuelle = grenze;
    };
    switch (d.art) {
        case VDI4650::kLuftWasser:
            if (!VDI4650::IstTabellenWert(platform::toInt32(d.heizgrenze))) Abbruch(5676);
            break;
        case VDI4650::kSoleWasser:
            if (!VDI4650::IstSoleTempMin(d.tQuelle)) Abbruch(5677);
            obenBegrenzt(VDI4650::IstSoleTempMax(d.tQuelle), 5680, 5.0f);
            break;
        case VDI4650::kWasserWasser: {
            const float wasser = d.zwischenWT ? d.tQuelle - 3.0f : d.tQuelle;
            if (!VDI4650::IstWasserTempMin(wasser)) Abbruch(5678);
            obenBegrenzt(VDI4650::IstWasserTempMax(wasser), 5681, 12.0f);
            break;
        }
        case VDI4650::kDirektverdampfung:
            if (!VDI4650::IstSoleTempMin(d.tQuelle)) Abbruch(5726);
            obenBegrenzt(VDI4650::IstSoleTempMax(d.tQuelle), 5727, 5.0f);
            break;
        default:
            break;
    }
    if (d.betriebsweise != VDI4650::kMonovalent && !VDI4650::IstBivalenzImBereich(d.tBiv))
        Abbruch(5782);
}
