#pragma once
// The window of the name prompt (dialog 134): shows the prompt and the edit, cleans the
// name while it is typed through the dialog's logic, and offers OK only for a name.
// The program installs CNameDlgFensterPresenter as the prompt's presenter.
#include "core/text/NameDlg.h"
#include "platform/ui/Dialog.h"

class CNameDlgFenster : public ui::Dialog {
  public:
    CNameDlgFenster(CNameDlg& logik, QWidget* parent);

  protected:
    bool onInitDialog() override;
    void onOK() override;

  private:
    void NameGeaendert(const QString& text);
    CNameDlg& m_logik;
};

class CNameDlgFensterPresenter : public NameDlgPresenter {
  public:
    int zeige(CNameDlg& dialog) override;
};

// Registers the layout of dialog 134 (once).
void RegistriereNameDlgVorlage();
