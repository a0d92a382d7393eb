#include "app/doc/ProjektAblaufBefehle.h"

#include "app/doc/KelvoDoc.h"
#include "app/doc/KelvoDocBefehle.h"
#include "evaluation/binding/Report.h"
#include "pages/DimPage.h"

void RegistriereProjektAblaufBefehle(CKelvoAppBefehle&) {
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
    RegistriereDimPage();
}
