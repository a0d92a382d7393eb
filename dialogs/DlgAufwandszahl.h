#pragma once
// The plant expenditure factor (dialog 207): the user sets the plant details (placement of
// the heat pump, kind of heating control, buffer tank, hot water without the heat pump,
// solar circulation pump); "Update" recomputes the factor, "Calculate" estimates the
// buffer's stand-by loss from its volume, "Save" stores the details in the project. The
// factor is worked out by CDlgAufwandszahlLogik and is shown, never stored.
//
//   CDlgAufwandszahl dlg(projekt, eingabe, hauptfenster);
//   dlg.doModal();
#include "dialogs/DlgAufwandszahlLogik.h"
#include "platform/ui/Dialog.h"

class CProjekt2;

class CDlgAufwandszahl : public ui::Dialog {
  public:
    static constexpr int kIDD = 207;  // not a text id
    using L = CDlgAufwandszahlLogik;

    CDlgAufwandszahl(CProjekt2& projekt, const SAufwandszahlEingabe& eingabe, QWidget* parent);

    const SAnlagenDetails& Details() const { return m_details; }
    bool AustauschFehler() const { return m_austauschFehler; }

  protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;
    void doDataExchange(ui::DataExchange& dx) override;

  private:
    void Berechne();
    void OnAktualisieren();
    void OnBerechnen();
    void Geaendert();
    void ZeigeHilfe();

    CProjekt2& m_projekt;
    SAufwandszahlEingabe m_eingabe;
    SAnlagenDetails m_details;
    float m_flaeche = 0.0f;
    std::u16string m_faktor;
    float m_peFaktor = 2.6f;
    bool m_austauschFehler = false;
};

// Registers the layout of dialog 207 (once).
void RegistriereDlgAufwandszahlVorlage();
