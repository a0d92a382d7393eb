#pragma once
// The prompt for a new name (of a project, a component or a master-data entry), dialog 134:
// the caller's label, the name, and a note on what a name may hold. The name is cleaned
// while it is typed (NameDlgFilter.h); OK stays disabled for an empty name and refuses one
// of more than 50 characters.
//
// The core library has a prompt of the same class name for its own use; the program's
// dialogs live in the namespace `dialogs` so that the two never meet.
#include <cstdint>

#include "core/value/VRMString.h"
#include "platform/ui/Dialog.h"

namespace dialogs {

class CNameDlg : public ui::Dialog {
  public:
    static constexpr int kIDD = 134;
    static constexpr int kIdcLabel = 1034;
    static constexpr int kIdcName = 1033;
    static constexpr int kIdcHinweis = 1651;
    static constexpr int kMaxZeichen = 50;

    // `schraegstrich` 1 keeps "/" in names.
    CNameDlg(const CVRMString& label, uint32_t schraegstrich, QWidget* parent = nullptr);

    const CVRMString& Name() const { return m_strName; }
    void SetName(const CVRMString& name) { m_strName = name; }

  protected:
    bool onInitDialog() override;
    void onOK() override;
    void doDataExchange(ui::DataExchange& dx) override;

  private:
    bool HatNamen() const;
    void NameGeaendert();
    void EnableOk();

    CVRMString m_strName;
    CVRMString m_strLabel;
    uint32_t m_schraegstrich;
};

// Registers the layout of dialog 134 (once).
void RegistriereNameDlgVorlage134();

}  // namespace dialogs
