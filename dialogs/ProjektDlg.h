#pragma once
// The project choice (dialog 151): the projects of both databases, sorted, with the note
// and the heat pump of the selected one. OK is offered only for a project whose record
// could be read; the caller opens the chosen project.
#include "core/value/VRMString.h"
#include "platform/ui/Dialog.h"

class CProjektDlg : public ui::Dialog {
  public:
    static constexpr int kIDD = 151;
    static constexpr int kIdcProjekt = 1098;
    static constexpr int kIdcWPumpe = 1167;
    static constexpr int kIdcNotiz = 1156;
    static constexpr int kIdcHilfe = 57670;

    explicit CProjektDlg(QWidget* parent = nullptr);

    // After OK: the chosen project.
    CVRMString m_strName;
    CVRMString m_strNotiz;
    CVRMString m_strWPumpe;

  protected:
    bool onInitDialog() override;
    void doDataExchange(ui::DataExchange& dx) override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    void AuswahlGeaendert();
    // Reads note and heat pump of `name`; false when its record cannot be read.
    bool LeseProjekt(const CVRMString& name);
    void Aktualisiere();
};

void RegistriereProjektDlgVorlage();
