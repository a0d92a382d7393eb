// Loading, values, completeness and the library guard of the project.
#include "model/project/Projekt2.h"

#include <exception>

#include "core/db/Global.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "model/app/KelvoAppServices.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr unsigned kBiboProjekt = 4295;  // "This is a project from the program database..."

}  // namespace

void CProjekt2::GetDatenIDs(CWordArray& ids) {
    ids.insert(ids.end(), {ID_Notiz,
                           ID_Haus,
                           ID_WPumpe,
                           ID_WQuelle,
                           ID_Tarif,
                           ID_Solar,
                           ID_Kuehl,
                           ID_Lueft,
                           ID_AnzahlWP,
                           ID_BerechneTAnteile,
                           ID_TAnteil1,
                           ID_TAnteil2,
                           ID_StromAbtauen,
                           ID_ZKostenWP,
                           ID_ZKostenOel,
                           ID_ZKostenGas,
                           ID_ZKostenNSp,
                           ID_ZKostenEDi,
                           ID_ZKostenFBS,
                           ID_ZKostenZET,
                           ID_LaufzeitHUP,
                           ID_LeistungSP2,
                           ID_LeistungHUP2,
                           ID_TempDiffVerdampf2,
                           ID_TempDiffVerfluess2,
                           ID_GerAufstellung,
                           ID_WaeVerteilung,
                           ID_WawaBereitung,
                           ID_SolarPumpe,
                           ID_Wirtschaft,
                           ID_HeizsystemJN,
                           ID_VergleichJahre,
                           ID_Zinssatz,
                           ID_Steigerung,
                           ID_BKostenDaten,
                           ID_BerechAT,
                           ID_LeistHUPk,
                           ID_LaufHUPk,
                           ID_Rleist,
                           ID_Rlauf,
                           ID_TDR,
                           ID_PSV,
                           ID_PBV,
                           ID_VPF,
                           ID_VKI,
                           ID_WTM,
                           ID_VOV,
                           ID_ZKWTV2});
}

void CProjekt2::init(const CVRMwerteListe& werte) {
    try {
        if (werte.IsEmpty()) ThrowFehler(textid::kDatenFehlen, u"CProjekt2::init(1)");
        m_werte = werte;
        SetzeVorgaben();
        if (getConsumerName().IsEmpty()) ThrowFehler(0, u"");
    } catch (const std::exception&) {
        ThrowFehler(textid::kNichtInitialisiert, werte.getName());
    }
}

bool CProjekt2::IstInitialisiert() const {
    return !m_werte.getName().IsEmpty() && !m_werte.IsEmpty();
}

void CProjekt2::PruefeInit(const char16_t* ort) const {
    if (!IstInitialisiert()) ThrowFehler(textid::kNichtInitialisiert, ort);
}

CVRMwert& CProjekt2::GetWert(TKelvoDatenID id, bool quiet) {
    PruefeInit(u"CProjekt2::GetWert");
    return m_werte.get(id, quiet);
}

void CProjekt2::SetWert(TKelvoDatenID id, const CVRMVariant& wert, bool flush) {
    PruefeInit(u"CProjekt2::SetWert");
    CVRMwert& ziel = m_werte.get(id);
    ziel = wert;
    CVRMdatenProvider::get().save(getConsumerName(), id, ziel, flush);
}

void CProjekt2::SetzeVorgabe(TKelvoDatenID id, const CVRMString& wert, bool aenderbar) {
    if (aenderbar)
        SetWert(id, CVRMVariant(wert), true);
    else
        m_werte.get(id) = wert;
}

void CProjekt2::Speichern() {
    PruefeInit(u"CProjekt2::Speichern");
    CVRMdatenProvider::get().save(m_werte, true);
}

bool CProjekt2::IstVollstaendig() const {
    if (!IstInitialisiert()) return false;
    for (TKelvoDatenID id : {ID_WQuelle, ID_Haus, ID_WPumpe, ID_Tarif})
        if (Text(id).IsEmpty()) return false;
    return true;
}

bool CProjekt2::IstAenderbar(bool meldung) const {
    // With the "conf" switch a library project may be changed where the database keeps it.
    const CVRMString& name = getConsumerName();
    if (!IGlobal::IstBiboName(name) ||
        (GetKelvoApp().GetConfSchalter() && IGlobal::NimmtSatzAuf(name)))
        return true;
    if (meldung)
        KVSMessageBoxID(kBiboProjekt, textid::kProduktCaption,
                        platform::mb::OK | platform::mb::ICONINFORMATION);
    return false;
}
