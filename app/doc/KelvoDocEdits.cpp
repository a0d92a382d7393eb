// Every change of a project: the links and values of the project record, a saved component
// record, and the exchange of the heat pump.
#include <algorithm>
#include <exception>
#include <iterator>

#include "app/base/KVSDatenPage.h"
#include "app/base/KVSDatenSheet.h"
#include "app/doc/Hinweise.h"
#include "app/doc/KelvoDoc.h"
#include "app/shell/KelvoApp.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr unsigned kNichtImAuslegungsModus = 3219;  // "Program not in design mode!"
constexpr unsigned kWPNichtUebernommen = 3108;      // "Heat pump became no component of the project"
constexpr unsigned kAnzahlNichtUebernommen = 3387;  // "Number of heat pumps not taken into project"
constexpr unsigned kNurMitNachheizung = 3441;  // "The given hot water tank target temperature can only ..."
constexpr int kWWmitWP = 1;  // house value 188: the heat pump makes the hot water
constexpr unsigned kWPPasstNicht = 4476;  // "This heat pump does not go with the heat source ..."

// Runs an edit under the one guard of the edit operations: a reported error (the user
// exception) or any other failure (shown with its own text) answers 0.
template <class F>
int Geschuetzt(F&& edit) {
    try {
        return edit();
    } catch (const platform::UserException&) {
    } catch (const std::exception& e) {
        ShowFehlerText(CVRMString::fromUtf8(e.what()), nullptr);
    }
    return 0;
}

}  // namespace

// A project that may not be changed (a library project) was refused with its own box.
void CKelvoDoc::PruefeProjektAenderbar() const {
    if (!m_projekt.IstAenderbar(true)) throw platform::UserException();
}

int CKelvoDoc::SetProjektDaten(TKelvoDatenID id, const CVRMString& name, int speichern,
                               int /*reserve*/) {
    if (name.empty() && id != ID_Notiz) return 0;
    return Geschuetzt([&] {
        PruefeProjektAenderbar();
        if (id < ID_Notiz || id > 513)
            ThrowFehler(textid::kFalscheKonstante, u"CKelvoDoc::SetProjektDaten");
        CVRMdatenProvider& store = CVRMdatenProvider::get();
        int hint = 0;
        switch (id) {
            case ID_Notiz:
                hint = hinweis::kProjekt;
                break;
            case ID_Haus:
                store.fill(m_haus, name);
                ErsterQuelleKlimaort();
                hint = hinweis::kHaus;
                break;
            case ID_WPumpe:
                store.fill(m_wpumpe, name);
                m_wpumpe.SetAnzahl(m_projekt.GetWert(ID_AnzahlWP).GetUIntVal());
                hint = hinweis::kWPumpe;
                break;
            case ID_WQuelle:
                if (HatWQuelleDaten(name))
                    store.fill(m_kombiQuelle, name);
                else
                    m_kombiQuelle.reset();
                ErsterQuelleKlimaort();
                hint = hinweis::kWQuelle;
                break;
            case ID_Tarif:
                store.fill(m_tarif, name);
                hint = hinweis::kTarif;
                break;
            case 513:
                ThrowFehler(textid::kFalscheKonstante, u"CKelvoDoc::SetProjektDaten(ID_PRW)");
            default:
                ThrowFehler(textid::kFalscheKonstante, u"CKelvoDoc::SetProjektDaten");
        }
        m_projekt.GetWert(id) = name;
        ResetAlleBerechnungen();
        if (speichern == 1) m_projekt.Speichern();
        UpdateSolarAnlage(hint, speichern);
        UpdateProjektBearbeiten(hint);
        if (m_sheetFenster) m_sheet->UpdatePageDaten2(hint);
        UpdateAllViews(nullptr, hint);
        return 1;
    });
}

int CKelvoDoc::SetProjektDaten2(TKelvoDatenID id, unsigned wert, int speichern) {
    return Geschuetzt([&] {
        PruefeProjektAenderbar();
        int hint = 0;
        switch (id) {
            case ID_SolarPumpe:
            case ID_VergleichJahre:
            case ID_Bund:
            case ID_Region:
            case ID_VOV:
                break;
            case ID_AnzahlWP:
                // A project without a heat pump yet keeps the count for the one it gets.
                if (m_wpumpe.IstGueltig()) m_wpumpe.SetAnzahl(wert);
                hint = hinweis::kAnzahlWP;
                break;
            default:
                ThrowFehler(textid::kFalscheKonstante, u"CKelvoDoc::SetProjektDaten2");
        }
        if (speichern == 1)
            m_projekt.SetWert(id, CVRMVariant(wert), true);
        else
            m_projekt.GetWert(id) = wert;
        if (hint) {
            ResetAlleBerechnungen();
            UpdateAllViews(nullptr, hint);
        }
        return 1;
    });
}

int CKelvoDoc::SetzeProjektDaten4(TKelvoDatenID id, float wert, int speichern) {
    return Geschuetzt([&] {
        PruefeProjektAenderbar();
        if (id != ID_Zinssatz && id != ID_Steigerung && id != ID_VPF && id != ID_WTM)
            ThrowFehler(textid::kFalscheKonstante, u"CKelvoDoc::SetProjektDaten4");
        if (speichern == 1)
            m_projekt.SetWert(id, CVRMVariant(wert), true);
        else
            m_projekt.GetWert(id) = wert;
        return 1;
    });
}

void CKelvoDoc::LoeseVerknuepfung(TKelvoDatenID id) {
    if (m_projekt.IstAenderbar(false))
        m_projekt.SetWert(id, CVRMVariant(CVRMString()), true);
    else
        m_projekt.GetWert(id) = CVRMString();
}

void CKelvoDoc::KomponenteGeaendert(int kind, const CVRMString& key) {
    CVRMdatenProvider& store = CVRMdatenProvider::get();
    const auto solarAnteilZurProjektSeite = [this] {
        if (m_projektSeite) m_projektSeite->RecalcTarifVerteilung(GetSolarAnteil());
    };
    switch (kind) {
        case komponente::kHaus:
            if (!m_haus.IstInitialisiert() || m_haus.getConsumerName() != key) return;
            solarAnteilZurProjektSeite();
            break;
        case komponente::kTarif:
            if (!m_tarif.IstGueltig() || m_tarif.getConsumerName() != key) return;
            store.fill(m_tarif, key);
            solarAnteilZurProjektSeite();
            break;
        case komponente::kWQuelle:
            if (!m_kombiQuelle.IstGueltig()) return;
            break;
        case komponente::kWPumpe:
            if (!m_wpumpe.IstGueltig() || m_wpumpe.getConsumerName() != key) return;
            store.fill(m_wpumpe, key);
            m_wpumpe.SetAnzahl(m_projekt.GetWert(ID_AnzahlWP).GetUIntVal());
            break;
        case komponente::kWarmwasser:
            if (!m_haus.IstInitialisiert() || m_haus.getConsumerName() != key) return;
            break;
        default:
            break;
    }
    AktualisiereAbtauEnergie(kind);
    if (m_beschaeftigt) return;
    int ausreichend = 1;
    BerechneProjekt(ausreichend, 0, 1);
    UpdateAllViews(nullptr, kind);
}

void CKelvoDoc::AktualisiereAbtauEnergie(int kind) {
    // The defrosting energy of an air source computed by the program follows every change
    // of what it depends on.
    static constexpr int kArten[] = {komponente::kHaus, komponente::kWQuelle,
                                     komponente::kWarmwasser, komponente::kSolar, 10, 11};
    if (std::find(std::begin(kArten), std::end(kArten), kind) == std::end(kArten)) return;
    if (!m_kombiQuelle.IstGueltig() || m_kombiQuelle.GetAnzahlWQuellen() < 1) return;
    const int art = GetWQuelle(1)->GetWert(ID_QuellMediumIdx).GetIntVal();
    if ((art != 2 && art != 6) || !m_projekt.GetWert(ID_BerechAT).GetBoolVal()) return;
    const unsigned kennzahl = GetAuswertKennzahl();
    if (m_projekt.IstAenderbar(false))
        m_projekt.SetWert(ID_StromAbtauen, CVRMVariant(kennzahl), true);
    else
        WeiseTypgerechtZu(m_projekt.GetWert(ID_StromAbtauen), CVRMVariant(kennzahl));
}

bool CKelvoDoc::WechsleWPumpe(const CVRMString& name, unsigned anzahl) {
    if (name.empty() || anzahl == 0) return false;
    bool uebernommen = false;
    try {
        CWPumpe2 neue;
        CVRMdatenProvider::get().fill(neue, name);
        CWQuelle2* erste = GetWQuelle(1);
        const int art = erste ? erste->GetWert(ID_QuellMediumIdx).GetIntVal() : -1;
        // A project without a heat source yet has nothing the heat pump must fit.
        if (erste && !neue.PasstZuQuellenMedium(art, -2)) {
            KVSMessageBoxID(kWPPasstNicht, textid::kProduktCaption, platform::mb::ICONINFORMATION);
            return false;
        }
        m_beschaeftigt = 1;
        BroadcastWPDimDaten(name, anzahl, art, 0, 1);
        uebernommen = true;
        m_beschaeftigt = 0;
        UpdateProjektBearbeiten(hinweis::kWPumpe);
    } catch (const platform::UserException&) {
    } catch (const std::exception& e) {
        ShowFehlerText(CVRMString::fromUtf8(e.what()), nullptr);
    }
    m_beschaeftigt = 0;
    if (uebernommen) UpdateAllViews(nullptr, hinweis::kWQuelle);
    return uebernommen;
}

void CKelvoDoc::BroadcastWPDimDaten(const CVRMString& name, unsigned anzahl, int /*quellArt*/,
                                    int /*reserve*/, int speichern) {
    if (!m_beschaeftigt) ThrowFehler(kNichtImAuslegungsModus, u"CKelvoDoc::BroadcastWPDimDaten");
    ResetAlleBerechnungen();
    if (!SetProjektDaten(ID_WPumpe, name, 1, static_cast<int>(anzahl)))
        ThrowFehler(kWPNichtUebernommen, std::u16string_view(name));
    if (!SetProjektDaten2(ID_AnzahlWP, anzahl, 1))
        ThrowFehler(kAnzahlNichtUebernommen, std::u16string_view(name));
    const auto wp = [this](TKelvoDatenID id) { return m_wpumpe.GetWert(id).GetFloatVal(); };
    m_projekt.GetWert(ID_TempDiffVerdampf2) = wp(ID_TempDiffVerdampf);
    m_projekt.GetWert(ID_TempDiffVerfluess2) = wp(ID_TempDiffVerfluess);
    const unsigned zkwt = m_wpumpe.GetWert(ID_ZKWTverlust).GetUIntVal();
    m_projekt.GetWert(ID_ZKWTV2) = zkwt == 0 ? 3u : zkwt;
    // The pump of an intermediate circuit counts for a water heat pump behind one.
    unsigned pumpe = 0;
    CWQuelle2* erste = GetWQuelle(1);
    if (erste && erste->GetWert(ID_ZwkWt).GetBoolVal() &&
        m_wpumpe.GetWert(ID_MedienTyp).GetIntVal() == 2) {
        pumpe = m_wpumpe.GetWert(ID_ZKWTpumpe).GetUIntVal();
        if (pumpe == 0) pumpe = 50;
    }
    const unsigned leistungSP = (pumpe + m_wpumpe.GetWert(ID_LeistungSP).GetUIntVal()) * anzahl;
    const unsigned leistungUP = m_wpumpe.GetWert(ID_LeistungUP).GetUIntVal() * anzahl;
    m_projekt.GetWert(ID_LeistungSP2) = leistungSP;
    m_projekt.GetWert(ID_LeistungHUP2) = leistungUP;
    m_projekt.GetWert(ID_LeistHUPk) = leistungUP;
    m_projekt.GetWert(ID_LaufHUPk) = m_projekt.GetWert(ID_LaufzeitHUP).GetUIntVal();
    // The new heat pump alone may not heat the tank to its target.
    if (m_haus.GetWert(ID_WWmitWP).GetIntVal() == kWWmitWP &&
        m_haus.GetWert(ID_WWSollTemp).GetFloatVal() >= static_cast<float>(GetWawaNachheizTemp()))
        KVSMessageBoxID(kNurMitNachheizung, textid::kProduktCaption, platform::mb::ICONINFORMATION);
    if (speichern) m_projekt.Speichern();
    UpdateAllViews(nullptr, hinweis::kWPumpe);
}

int CKelvoDoc::IsEditOpen(bool verbergen) {
    if (m_sheetFenster && m_sheet->isVisible() && m_sheet->AnyPageModified()) return 1;
    if (verbergen && m_sheetFenster) m_sheet->hide();
    CKelvoApp* app = FindeKelvoAppObjekt();
    return app && app->StammdatenInBearbeitung(verbergen) ? 1 : 0;
}
