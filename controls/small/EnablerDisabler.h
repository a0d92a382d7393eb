#pragma once
// Switches lists of a dialog's controls together: enabled, read-only, shown, each list
// with its mirror list that gets the opposite. Labels that change their enabled state
// also change their text colour, so a disabled caption looks disabled.
//
//   CEnablerDisabler gruppe(grau, schwarz);
//   gruppe.SetParent(dialog);
//   gruppe.AddEnable(IDC_WERT);  gruppe.AddEnableInvers(IDC_HINWEIS);
//   gruppe.Enable(eigenerOrt);
#include <QPointer>
#include <QWidget>
#include <vector>

#include "platform/ui/Colour.h"

class CEnablerDisabler {
  public:
    CEnablerDisabler(ui::ColourRef gesperrtFarbe, ui::ColourRef freiFarbe);
    virtual ~CEnablerDisabler() = default;

    void SetParent(QWidget* parent);
    void AddEnable(unsigned id);
    void AddEnableInvers(unsigned id);
    void AddReadOnly(unsigned id);
    void AddShow(unsigned id);
    void AddShowInvers(unsigned id);

    // Each does nothing before SetParent or once the parent is gone; ids the parent does
    // not have are skipped.
    void Enable(bool an);
    void SetReadOnly(bool an);
    void Show(bool an);

  private:
    void schalteFrei(unsigned id, bool an) const;

    QPointer<QWidget> m_pParent;
    std::vector<unsigned> m_enable, m_enableInvers, m_readOnly, m_readOnlyInvers, m_show,
        m_showInvers;
    ui::ColourRef m_crGesperrt, m_crFrei;
};

// One control of `parent` by id; nothing for a missing parent or control.
void EnableDlgItem(QWidget* parent, unsigned id, bool an);
void ShowDlgItem(QWidget* parent, unsigned id, bool an);
