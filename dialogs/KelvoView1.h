#pragma once
// The project window: the one view of a project document. It shows the project at a
// glance over a picture of its heat source: the notice, tariff and heat pump with the
// number of units, five short infos (solar plant, cooling plant, location and heat load,
// heat source, hot water) and the buttons to the data pages. It edits the notice, the
// tariff, the heat pump and the number of units itself and follows the document's hints.
// Two layouts: the default with picture buttons, and "Classic" (option 1284) with texts.
#include <QImage>

#include "app/doc/KelvoView.h"
#include "controls/resizable/ResizableFormView.h"
#include "core/value/DatenId.h"
#include "core/value/VRMString.h"

class CButtonST;
class CLabel;
class QComboBox;
class QLineEdit;

class CKelvoView1 : public CResizableFormView, public IKelvoView {
  public:
    static constexpr int kIddStandard = 152;
    static constexpr int kIddKlassisch = 149;
    // Controls.
    static constexpr int kIdcNotiz = 1099, kIdcTarif = 1105, kIdcWPumpe = 1100, kIdcAnzahl = 1319;
    static constexpr int kIdcHinweis = 2189, kIdcSolarInfo = 1666, kIdcKuehlInfo = 1667,
                         kIdcOrtInfo = 1665, kIdcQuelleInfo = 1663, kIdcWawaInfo = 1662;
    // The captions of tariff and heat pump in the classic layout.
    static constexpr int kIdcTarifTitel = 2186, kIdcWPumpeTitel = 2188;
    static constexpr int kIdcTarifDaten = 2193, kIdcWPumpeDaten = 2196, kIdcHilfe = 57670;
    static constexpr int kIdcHausDaten = 32846, kIdcQuellDaten = 32849, kIdcWawaDaten = 32847,
                         kIdcProjektDaten = 32845, kIdcSolarDaten = 32848, kIdcKuehlDaten = 32850;

    CKelvoView1(CKelvoDoc& dokument, QWidget* parent = nullptr);
    ~CKelvoView1() override;

    CKelvoDoc& GetDocument() const { return m_dokument; }
    bool IstKlassisch() const { return m_klassisch; }
    // The picture behind the window (its resource id; 0: none could be loaded).
    unsigned BildId() const { return m_bildId; }

    void OnUpdate(IKelvoView* sender, int hint, void* objekt) override;
    void FillViewDaten();
    void ClearViewDaten();
    void EnableControls();
    // Saves the notice when it changed; only the notice (446) is accepted.
    void SaveKomponente(TKelvoDatenID id, const CVRMString& alt);

    // What the window shows, as the data exchange reads and writes it.
    CVRMString m_strNotiz;
    CVRMString m_strTarif;
    CVRMString m_strWPumpe;
    int32_t m_nAnzahl = -1;

  protected:
    bool onEraseBackground(ui::DrawContext& dc) override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OnInitialUpdate();
    void UpdateData(bool speichern);
    void SetzeAnker();
    void RichteKnoepfeEin();
    void SetHintergrundBild();
    void FuelleListen();
    // Selects `name` in the combo by exact text; false when the combo does not hold it.
    bool WaehleAus(QComboBox* box, const CVRMString& name);
    // A name the lists do not hold: told (3382), cleared and the link cleared.
    void FehlendeKomponente(TKelvoDatenID id, CVRMString& name);
    void OnKillfocusNotiz();
    void OnKillfocusWPumpe();
    void OnSelchangeTarif();
    void OnSelchangeAnzahl();
    void OnHilfe();
    QComboBox* Combo(int id) const;

    CKelvoDoc& m_dokument;
    bool m_klassisch = false;
    QImage m_bild;
    unsigned m_bildId = 0;
    bool m_inUpdate = false;
};
