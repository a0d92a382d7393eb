#pragma once
// The standard material data of a kind of soil (dialog 158): name, heat conductivity,
// volumetric heat capacity and density. Opened without a name it shows the values computed
// for a layered ground, read-only, under the name "Result of ground stratification".
// Nothing it shows is stored.
#include "core/value/VRMString.h"
#include "platform/ui/Dialog.h"

class CBodenartDlg : public ui::Dialog {
  public:
    static constexpr int kIDD = 158;
    static constexpr int kIdName = 1188, kIdLeit = 1078, kIdKapazitaet = 1077, kIdDichte = 1080,
                         kIdHilfe = 57670;

    CBodenartDlg(const CVRMString& name, QWidget* parent, float waermeleit, float kapazitaet, float dichte);

    bool IstBerechnet() const { return m_berechnet; }

    CVRMString m_name;
    float m_dichte, m_kapazitaet, m_waermeleit;

  protected:
    bool onInitDialog() override;
    void doDataExchange(ui::DataExchange& dx) override;
    void onOK() override;
    // Escape and the close box leave the dialog open; only OK closes it.
    void onCancel() override {}
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    bool m_berechnet;
};
