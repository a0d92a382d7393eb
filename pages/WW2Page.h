#pragma once
// The losses of the hot-water tank and of the circulation pipe (template 240), opened by
// the hot-water page over its house record. Each of the three losses is typed in or
// computed with its button (WawaVerluste.h); OK writes the ten values into the record.
//
//   CWW2Page dlg(haus, volumen, soll, page);
//   if (dlg.doModal() == ui::kIdOk) page.save();
#include <array>

#include "controls/small/EnablerDisabler.h"
#include "core/value/DatenId.h"
#include "platform/ui/Dialog.h"

class CVRMwerteListe;

class CWW2Page : public ui::Dialog {
  public:
    static constexpr int kIDD = 240;
    static constexpr int kIdBereitschaft = 1695, kIdInnen = 1692, kIdAussen = 1693,
                         kIdSpeicherVerlust = 1703, kIdZirkulation = 1707, kIdLaenge = 1711,
                         kIdLaengeInnen = 1713, kIdPumpe = 1709, kIdLaufzeit = 1717,
                         kIdLeitwert = 1715, kIdZirkVerlust = 1719, kIdVolumen = 1722, kIdSoll = 1723;
    static constexpr int kIdRechneBereitschaft = 1696, kIdRechneSpeicher = 1704, kIdRechneZirk = 1720;
    static constexpr int kIdHilfe = 57670;

    CWW2Page(CVRMwerteListe& haus, unsigned volumen, unsigned soll, QWidget* parent = nullptr);

    // The ten values of the record the dialog writes.
    static const std::array<TKelvoDatenID, 10>& VerlustIds();

    // Members of the data exchange.
    float m_bereitschaft = 0.0f;
    int m_ort = -1;  // 0 inside the heated space, 1 outside
    unsigned m_speicherVerlust = 0;
    int m_zirkulation = 0;
    unsigned m_laenge = 0, m_laengeInnen = 0, m_pumpe = 0;
    float m_laufzeit = 0.0f, m_leitwert = 0.0f;
    unsigned m_zirkVerlust = 0;
    unsigned m_volumen, m_soll;

  protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;
    void doDataExchange(ui::DataExchange& dx) override;

  private:
    // Controls to members; false when an entry was refused (message shown).
    bool Lese();
    bool LaengenPassen() const;
    void Schreibe();

    CVRMwerteListe& m_haus;
    const unsigned m_volumenGegeben, m_sollGegeben;
    CEnablerDisabler m_gruppe;
    int m_austauschFehler = 0;
};
