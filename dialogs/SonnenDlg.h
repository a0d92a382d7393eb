#pragma once
// The sunshine dialog (template 209): the locations of the sun-location list with their
// twelve monthly hours of bright sunshine, filtered by country and postcode region; the
// hours of the chosen location are edited and saved (with a question when another location
// is chosen, without one on OK), and new locations are created. Library locations show no
// hours unless the "conf" switch is on. The solar page holds one; no command opens it.
#include <array>

#include "core/value/VRMString.h"
#include "dialogs/OrtsAuswahl.h"
#include "platform/ui/Dialog.h"

class QComboBox;

class CSonnenDlg : public ui::Dialog {
  public:
    static constexpr int kIDD = 209;
    static constexpr int kIdLand = 1725, kIdPlz = 1727, kIdOrt = 1019, kIdNeu = 1988,
                         kIdHinweis = 1994, kIdHilfe = 57670;
    static constexpr int kIdMonat[12] = {1157, 1022, 1023, 1024, 1025, 1026,
                                         1021, 1027, 1028, 1029, 1030, 1031};

    explicit CSonnenDlg(QWidget* parent = nullptr);

    CVRMString m_ort;
    std::array<float, 12> m_stunden{};
    int m_modified = 0;

    const COrtsAuswahl& Auswahl() const { return m_auswahl; }

  protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;
    void doDataExchange(ui::DataExchange& dx) override;

  private:
    QComboBox* Box(int id);
    void FuelleOrte();
    void Laden();
    // True when stored or nothing was to store; with the question, No counts as done.
    bool Speichern(bool mitFrage);
    void Freigabe();
    void OnLand(int index);
    void OnPlz(int index);
    void OnOrt(int index);
    void OnNeu();

    COrtsAuswahl m_auswahl;
};

// Registers the layout of dialog 209 (once).
void RegistriereSonnenDlgVorlage();
