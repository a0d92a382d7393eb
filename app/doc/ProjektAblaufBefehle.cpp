#include "app/doc/ProjektAblaufBefehle.h"

#include "app/doc/KelvoDoc.h"
#include "app/doc/KelvoDocBefehle.h"
#include "app/doc/KelvoDocTemplate.h"
#include "app/frame/ChildFrame.h"
#include "app/shell/KelvoApp.h"
#include "evaluation/binding/Report.h"

namespace {
constexpr int kBefehlSchliessen = 57602;

// The project window has no system menu: Project > Close project closes it, through the
// frame, whose close asks the pages first.
void SchliesseProjekt(CKelvoDoc& doc) {
    CKelvoDocTemplate* vorlage = GetKelvoAppObjekt().GetDocTemplate();
    if (CChildFrame* rahmen = vorlage ? vorlage->Rahmen(doc) : nullptr) rahmen->close();
}
}  // namespace

void RegistriereProjektAblaufBefehle(CKelvoAppBefehle&) {
    RegistriereDokumentBefehl(kBefehlSchliessen, {SchliesseProjekt, {}});
    RegistriereDokumentBefehl(kBefehlZweiteQuelle, {[](CKelvoDoc& doc) { doc.OnAddWQuelle2(); },
                                                    [](CKelvoDoc& doc) { return doc.KannWQuelle2Hinzufuegen(); }});
    RegistriereDokumentBefehl(kBefehlZweiteQuelleLoeschen,
                              {[](CKelvoDoc& doc) { doc.OnDelWQuelle2(); },
                               [](CKelvoDoc& doc) { return doc.KannWQuelle2Loeschen(); }});
    // Without a report module, which this system does not have, the report stays greyed.
    RegistriereDokumentBefehl(kBefehlReport, {[](CKelvoDoc& doc) { doc.OnReport(); }, [](CKelvoDoc& doc) {
                                                  return doc.Projekt().IstVollstaendig() && IReport::IstGeladen();
                                              }});
    RegistriereDokumentBefehl(kBefehlDimensionieren, {[](CKelvoDoc& doc) { doc.DoDimensionierung(); }, {}});
}
