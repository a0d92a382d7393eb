// The result commands of a project: the yearly results in the evaluation dialog, the
// VDI 4650 calculator and the project window.
#include <exception>

#include "app/doc/AuswertDlgLogik.h"
#include "app/doc/ErgebnisBefehle.h"
#include "app/doc/KelvoDoc.h"
#include "app/doc/KelvoDocBefehle.h"
#include "app/doc/KelvoDocTemplate.h"
#include "app/doc/VDI4650Fenster.h"
#include "app/frame/ChildFrame.h"
#include "app/frame/MainFrame.h"
#include "app/shell/FensterFabrik.h"
#include "app/shell/KelvoApp.h"
#include "core/text/TextIdConstants.h"
#include "model/app/KelvoOptionen.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "model/results/AuswertDaten.h"
#include "model/results/KelvoErgebnisse.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr unsigned kKeineAuswertung = 3125;  // "No evaluation possible"
constexpr unsigned kLaufzeitOption = 3174;   // "The running time of the heat pump is greater than %li hours!"

QWidget* Hauptfenster() {
    return GetKelvoAppObjekt().GetMainFrame();
}

bool IstVollstaendig(CKelvoDoc& doc) {
    return doc.Projekt().IstVollstaendig();
}

void ZeigeProjektfenster(CKelvoDoc& doc) {
    CKelvoDocTemplate* vorlage = GetKelvoAppObjekt().GetDocTemplate();
    CChildFrame* rahmen = vorlage ? vorlage->Rahmen(doc) : nullptr;
    if (!rahmen) return;
    rahmen->showNormal();
    rahmen->ActivateFrame();
}

}  // namespace

// What the evaluation dialog shows and computes its costs from: the cost comparison takes
// the same, so that both windows name one figure.
SAuswertDlgDaten CKelvoDoc::AuswertDlgDaten(const CAuswertDaten& jahr) {
    SAuswertDlgDaten d;
    d.daten = jahr;
    CProjekt2::BKostenDaten kosten{};
    m_projekt.GetBKostenDaten(kosten);
    for (size_t i = 0; i < kosten.size(); ++i)
        d.vergleichsPreise[i] = {kosten[i].wert, static_cast<float>(kosten[i].zahl)};
    d.mitSolar = m_haus.IstSolarProjekt(ProjektText(ID_Solar));
    d.anteilTarif1 = m_projekt.GetWert(ID_TAnteil1).GetUIntVal();
    d.anteilTarif2 = m_projekt.GetWert(ID_TAnteil2).GetUIntVal();
    m_tarif.GetPreise(d.preise);
    d.medium = m_wpumpe.GetWert(ID_MedienTyp).GetIntVal();
    d.ohneQuellenPumpe = d.medium == 3;
    CWQuelle2& erste = *GetWQuelle(1);
    d.betriebsweise = erste.GetWert(ID_BetrWeiseIdx).GetIntVal();
    d.zweiterET = erste.GetWert(ID_ZweiterETIdx).GetIntVal();
    d.solarPumpe = m_projekt.GetWert(ID_SolarPumpe).GetUIntVal();
    d.wwModus = m_haus.GetWert(ID_WWmitWP).GetIntVal();
    d.projektName = m_name;
    return d;
}

void CKelvoDoc::OnJahresErgebnisse() {
    CKelvoErgebnisse ergebnisse;
    CAuswertDaten jahr;
    std::array<float, 12> monate{};
    if (!GetJahresErgebnisse(ergebnisse, jahr, monate, 0, 0.0f)) return;
    try {
        SAuswertDlgDaten d = AuswertDlgDaten(jahr);

        int32_t stunden = 0;
        GetKelvoApp().GetOptionsManager().GetLongWert(OPT_WPLAUFZEIT, stunden);
        if (static_cast<float>(stunden) < jahr.Feld(AF_LaufzeitHeiz) + jahr.Feld(AF_LaufzeitWW)) {
            CVRMString text;
            text.Format(kLaufzeitOption, stunden);
            KVSMessageBoxCaptionID(text, textid::kProduktCaption,
                                   platform::mb::OK | platform::mb::ICONINFORMATION);
        }
        if (const auto& auswertung = FensterFabrik().auswertung) auswertung(std::move(d), Hauptfenster());
    } catch (const platform::UserException&) {
        ShowFehler(kKeineAuswertung, nullptr);
    } catch (const std::exception& e) {
        ShowFehlerText(CVRMString::fromUtf8(e.what()), nullptr);
        ShowFehler(kKeineAuswertung, nullptr);
    }
}

void RegistriereErgebnisBefehle(CKelvoAppBefehle&) {
    RegistriereDokumentBefehl(kBefehlJahresergebnisse,
                              {[](CKelvoDoc& doc) { doc.OnJahresErgebnisse(); }, IstVollstaendig});
    const auto vdi = [](int modus) {
        return SDokumentBefehl{
            [modus](CKelvoDoc& doc) { doc.DoVDI4650(modus, Hauptfenster()); },
            [](CKelvoDoc& doc) { return IstVollstaendig(doc) && GetVDI4650Fenster(); }};
    };
    RegistriereDokumentBefehl(kBefehlVDI4650, vdi(0));
    RegistriereDokumentBefehl(kBefehlVDI4650b, vdi(1));
    RegistriereDokumentBefehl(kBefehlProjektfenster, {ZeigeProjektfenster, {}});
}
