#pragma once
// The core library's prompt for a new name (dialog 134). The name becomes a database
// section and a list entry, so it is cleaned while it is typed. This is the dialog's logic;
// the window that shows it plugs in as the presenter, as message boxes do, and calls the
// logic's handlers.
#include <optional>
#include <string_view>

#include "core/value/VRMString.h"

namespace platform {
class Window;
}

// A name as the edit must show it after cleaning; `caret` is set when the text changed.
struct NameBereinigung {
    CVRMString name;
    std::optional<int> caret;
};

// The name rule: at most 40 characters; leading white space removed (the caret then goes
// to the end); ";", "\" and "=" anywhere and "[" at the start each become "_" (the caret
// then goes behind the last one replaced). An "=" would split the name into a key and a
// value, and a leading "[" would make it a section line when a list is read back.
NameBereinigung BereinigeName(std::u16string_view text);

class CNameDlg;

// Shows the dialog modally and answers 1 (OK) or 2 (Cancel).
class NameDlgPresenter {
  public:
    virtual ~NameDlgPresenter() = default;
    virtual int zeige(CNameDlg& dialog) = 0;
};

// Installs a presenter (not owned) and returns the one before; null restores the presenter
// of a run without windows, which cancels.
NameDlgPresenter* setNameDlgPresenter(NameDlgPresenter* presenter);

class CNameDlg {
  public:
    static constexpr unsigned kIDD = 134;
    static constexpr unsigned kIdcName = 1033;    // the edit
    static constexpr unsigned kIdcPrompt = 1651;  // the prompt's static text
    static constexpr int kMaxZeichen = 40;

    explicit CNameDlg(const CVRMString& prompt, platform::Window* parent = nullptr);
    virtual ~CNameDlg() = default;

    // 1 with the entered name in m_strName, or 2.
    int DoModal();

    // The window's handlers: after showing name and prompt, and on every change of the
    // edit's text (what the edit must show then is returned).
    void OnInitDialog();
    NameBereinigung OnUpdateName(std::u16string_view editText);
    bool IstOkAktiv() const { return m_okAktiv; }

    platform::Window* GetParent() const { return m_parent; }

    CVRMString m_strName;
    CVRMString m_strPrompt;

  private:
    platform::Window* m_parent;
    bool m_okAktiv = false;
};
