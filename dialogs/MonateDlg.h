#pragma once
// The months in which a tariff's day tariff is available (template 163). It is handed the
// twelve monthly day-tariff shares and, after OK, holds the result: unchanged when no month
// was clicked, else 1.0 for a ticked month and 0.0 for the others.
//
//   CMonateDlg dlg(anteile.data(), page);
//   if (dlg.doModal() == ui::kIdOk) tarif.setTarif1Monate(dlg.Werte());
#include <array>

#include "platform/ui/Dialog.h"

class CMonateDlg : public ui::Dialog {
  public:
    static constexpr int kIDD = 163;
    static constexpr int kIdJanuar = 1880;  // to 1891 for December
    static constexpr int kIdHilfe = 57670;
    static constexpr int kMonate = 12;

    CMonateDlg(const float* werte, QWidget* parent = nullptr);

    const std::array<float, kMonate>& Werte() const { return m_werte; }
    bool Geklickt() const { return m_geaendert != 0; }

  protected:
    bool onInitDialog() override;
    void onOK() override;
    void onCancel() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;
    void doDataExchange(ui::DataExchange& dx) override;

  private:
    std::array<float, kMonate> m_werte{};
    std::array<int, kMonate> m_haken{};
    int m_geaendert = 0;
};
