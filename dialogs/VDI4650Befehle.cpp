#include "dialogs/VDI4650Befehle.h"

#include "app/doc/KelvoDoc.h"
#include "app/doc/VDI4650Fenster.h"
#include "app/shell/KelvoAppBefehle.h"
#include "dialogs/DlgVDI4650.h"
#include "evaluation/vdi4650/VDI4650.h"
#include "model/app/KelvoAppServices.h"
#include "platform/ui/Window.h"
#include "platform/window/Window.h"

namespace {

void OeffneRechner(int modus) {
    // Every range of the guideline is enforced and its tables are read.
    VDI4650::SetOptionen(false, false);
    QWidget* hauptfenster = nullptr;
    if (auto* fenster = dynamic_cast<ui::Window*>(GetKelvoApp().GetMainWnd()))
        hauptfenster = fenster->widget();
    CDlgVDI4650 rechner(modus, nullptr, hauptfenster);
    rechner.doModal();
}

}  // namespace

void RegistriereVDI4650Befehle(CKelvoAppBefehle& befehle) {
    befehle.Setze(kBefehlVDI4650Liste, {[] { OeffneRechner(0); }, {}});
    befehle.Setze(kBefehlVDI4650Frei, {[] { OeffneRechner(1); }, {}});
    // Opened from a project, the calculator starts from the project's own figures.
    RegistriereVDI4650Fenster([](int modus, CKelvoDoc& doc, QWidget* parent,
                                 const SVDI4650Projektdaten& daten) {
        VDI4650::SetOptionen(false, false);
        CDlgVDI4650 rechner(modus, &doc, parent);
        rechner.Rechner().SetDaten(daten);
        rechner.doModal();
    });
}
