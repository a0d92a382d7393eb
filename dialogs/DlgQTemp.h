#pragma once
// The twelve monthly source temperatures that the user gives for a heat source (dialog
// 5015): the undisturbed temperatures of the source, January to December. OK stores them
// as the source's own temperatures after asking; the dialog answers OK only when it stored
// them, so that its opener does not count an unchanged source as changed.
#include <array>

#include "core/value/VRMString.h"
#include "platform/ui/Dialog.h"

class CKelvoDoc;
class CWQuelle2;

class CDlgQTemp : public ui::Dialog {
  public:
    static constexpr int kIDD = 5015;  // not a text id
    static constexpr unsigned short kErsteQuelle = 3, kZweiteQuelle = 4;
    static constexpr int kIdMonat[12] = {1157, 1022, 1023, 1024, 1025, 1026,
                                         1021, 1027, 1028, 1029, 1030, 1031};
    static constexpr int kIdHilfe = 57670;

    // `modus`: kErsteQuelle or kZweiteQuelle of `dokument`, the project of the page that
    // opens it (which need not be the active one).
    CDlgQTemp(CKelvoDoc& dokument, unsigned short modus, QWidget* parent);

    // The heat source's record, whose temperatures it reads. A name that is no chosen name,
    // or a source the project does not hold (yet), is reported and refused: the dialog is
    // then not to be opened.
    bool SetDateiName(const CVRMString& name);

    std::array<float, 12> m_temps{};
    bool IstGeaendert() const { return m_geaendert; }
    // Whether the last OK or Cancel stored the temperatures.
    bool HatGespeichert() const { return m_gespeichert; }

  protected:
    bool onInitDialog() override;
    void doDataExchange(ui::DataExchange& dx) override;
    void onOK() override;
    void onCancel() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    // The source of the mode; none when the project holds no such source.
    CWQuelle2* Quelle() const;
    bool FillMonatsTemps();
    // false when the entries were refused (the dialog stays).
    bool SaveMonatsTemps();

    CKelvoDoc& m_dokument;
    unsigned short m_modus;
    CVRMString m_name;
    bool m_geaendert = false;
    bool m_gespeichert = false;
};
