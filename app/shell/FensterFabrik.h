#pragma once
// The windows the application and the project document open. app/ knows none of the
// dialogs and pages above it: the program fills these makers once at start-up
// (RegistriereFenster, app/main), and tests that start the application call the same.
// Each operation keeps its own steps; only the window it shows comes from here. A maker
// left empty shows nothing.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "app/doc/KelvoDocTemplate.h"
#include "app/shell/WarteFenster.h"
#include "core/value/VRMString.h"

class CKelvoAppBefehle;
class IDlgProgress;
class QWidget;
struct SAuswertDlgDaten;
struct SWQTestWerte;

// What the cost-comparison sheet shows of a calculated project.
struct SKostenVergleich {
    CVRMString projekt;
    std::array<uint32_t, 23> werte{};
    bool mitSpeicher = false;  // hot water through the heat pump's store
};

struct SFensterFabrik {
    // The view in the project window's frame.
    CKelvoDocTemplate::ViewMacher projektAnsicht;
    // The project list of File > Open: true with the chosen name after OK.
    std::function<bool(QWidget* eltern, CVRMString& name)> projektWahl;
    // The name prompt; `schraegstrich` is the component kind (heat pumps keep the "/").
    std::function<bool(const CVRMString& prompt, uint32_t schraegstrich, QWidget* eltern, CVRMString& name)>
        namensDialog;
    // A progress window already created over `eltern`, or none when it could not be made.
    std::function<std::unique_ptr<IDlgProgress>(QWidget* eltern, const CVRMString& titel)> fortschritt;
    // The wait window of the application and each project document, while the application lives.
    DlgWaitMacher warten;
    // The evaluation dialog over a project's yearly results, modal.
    std::function<void(SAuswertDlgDaten daten, QWidget* eltern)> auswertung;
    // The outcome of a heat source's design test, modal.
    std::function<void(const SWQTestWerte& werte, QWidget* eltern)> auslegungTest;
    // The cost-comparison sheet (`modus` and the pictures as CKelvoDoc::InitWirtschaftPages
    // takes them); 1 when shown or both pictures were saved.
    std::function<int(const SKostenVergleich& vergleich, CVRMString& bild1, CVRMString& bild2, int modus)>
        kostenVergleich;
    // The commands and data pages of the windows, added when the application starts.
    std::function<void(CKelvoAppBefehle& befehle)> befehle;
};

SFensterFabrik& FensterFabrik();
