#pragma once
// The wait window (dialog 218): an animation that plays by itself and Cancel, shown
// modeless while the application or a document prepares a report. Cancel and Esc only set
// the cancelled flag; the owner reads it and closes the window when its work is done.
//
//   m_warten.Create(1, hauptfenster);   ...   m_warten.Close();
#include <QPointer>

#include "app/shell/WarteFenster.h"
#include "platform/ui/Dialog.h"

namespace ui {
class AnimateCtrl;
}

class CDlgWait : public ui::Dialog, public IDlgWait {
  public:
    static constexpr int kIDD = 218;
    static constexpr int kIdcAnimation = 1653;
    static constexpr int kIdcAbbrechen = 2;

    CDlgWait();

    // Shows the window centred over `parent`, enabled, with a fresh cancelled flag; the
    // animation starts. Again after Close for the next piece of work.
    bool Create(int flag, QWidget* parent) override;
    // Enables the parent again while it still exists, and takes the window down.
    void Close() override;

    bool IstAbgebrochen() const override { return m_abgebrochen != 0; }
    int GetFlag() const { return m_flag; }
    void SetFlag(int flag) { m_flag = flag; }
    ui::AnimateCtrl* Animation() const;

  protected:
    bool onInitDialog() override;
    void onCancel() override { m_abgebrochen = 1; }

  private:
    int m_flag = 0;
    int m_abgebrochen = 0;
    QPointer<QWidget> m_parent;
};

// Registers the layout of dialog 218 (once).
void RegistriereDlgWaitVorlage();
