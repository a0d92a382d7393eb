// The result commands that open the chart dialogs and the expenditure factor.
#include <exception>

#include "dialogs/ErgebnisGrafikBefehle.h"
#include "app/doc/KelvoDoc.h"
#include "app/doc/KelvoDocBefehle.h"
#include "app/frame/MainFrame.h"
#include "app/shell/KelvoApp.h"
#include "dialogs/DlgAufwandszahl.h"
#include "dialogs/DlgEdGrafik.h"
#include "dialogs/KelvoView2Dlg.h"
#include "dialogs/KelvoViewDlg.h"
#include "platform/errors/UserException.h"

namespace {

QWidget* Hauptfenster() { return GetKelvoAppObjekt().GetMainFrame(); }

bool IstVollstaendig(CKelvoDoc& doc) { return doc.Projekt().IstVollstaendig(); }

void HausErgebnisse(CKelvoDoc& doc) {
    int ausreichend = 1;
    if (!doc.BerechneProjekt(ausreichend, 1, 0)) return;
    CKelvoViewDlg dlg(doc, Hauptfenster());
    dlg.doModal();
}

void QuellErgebnisse(CKelvoDoc& doc) {
    if (!doc.PruefeQuellErgebnisse()) return;
    try {
        CKelvoView2Dlg dlg(doc, Hauptfenster());
        dlg.doModal();
    } catch (const platform::UserException&) {
        // The opening has reported why the results could not be computed.
    }
}

void Energiedeckung(CKelvoDoc& doc) {
    doc.OnEnergiedeckung([](const SEnergiedeckung& d, unsigned titel) {
        CDlgEdGrafik dlg(titel, d.bedarf, d.leistung, d.cop, d.tiefste, d.hoechste, d.wert,
                         Hauptfenster());
        dlg.doModal();
    });
}

void Aufwandszahl(CKelvoDoc& doc) {
    doc.OnAufwandszahl([&doc](const SAufwandszahlDaten& d) {
        SAufwandszahlEingabe e;
        e.flaeche = d.verlust1;
        e.wwModus = d.wwModus;
        e.heizWaerme = d.bezugsEnergie;
        e.heizZahl = d.heizZahl;
        e.wwZahl = d.wwZahl;
        e.wwVerluste = d.jahresWW;
        e.weitere = d.zirkKosten;
        e.mitSolar = doc.Haus().IstSolarProjekt(doc.ProjektText(ID_Solar));
        e.vorlauf = doc.Haus().GetWert(ID_HeizVorlauf).GetFloatVal();
        e.ruecklauf = doc.Haus().GetWert(ID_HeizRuecklauf).GetFloatVal();
        e.medium = d.medium;
        CDlgAufwandszahl dlg(doc.Projekt(), e, Hauptfenster());
        dlg.doModal();
    });
}

}  // namespace

void RegistriereErgebnisGrafikBefehle(CKelvoAppBefehle&) {
    RegistriereDokumentBefehl(kBefehlHausErgebnisse, {HausErgebnisse, IstVollstaendig});
    RegistriereDokumentBefehl(kBefehlQuellErgebnisse, {QuellErgebnisse, IstVollstaendig});
    RegistriereDokumentBefehl(kBefehlEnergiedeckung, {Energiedeckung, IstVollstaendig});
    RegistriereDokumentBefehl(kBefehlAufwandszahl, {Aufwandszahl, IstVollstaendig});
}
