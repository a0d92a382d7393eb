#pragma once
// The heating-systems page of the comparison sheet: which of the six systems take part in
// the operating-cost and economics comparisons, their charts and reports. The choice is
// written to the project when the page is left or the sheet closes; ticking a system whose
// investment costs are incomplete is told (the tick stays).
#include <array>

#include "app/doc/KostenVergleichLogik.h"
#include "core/value/VRMString.h"
#include "platform/ui/PropertySheet.h"

class CWirtschaftPage;

class CHeizSystemPage : public ui::PropertyPage {
  public:
    static constexpr int kIDD = 228;  // not a text id
    // Check boxes by comparison position.
    static constexpr std::array<int, 6> kIdChecks = {1644, 1645, 1647, 1649, 1650, 1652};
    static constexpr int kIdLabel = 1656, kIdHilfe = 57670;  // not a text id

    // `wirtschaft`: the economics page that answers whether investment costs are complete.
    explicit CHeizSystemPage(CWirtschaftPage* wirtschaft = nullptr);

    const SystemFlags& Flags() const { return m_flags; }

    bool onKillActive() override;
    void onOK() override;
    void onCancel() override;
    bool onHelp() override;

  protected:
    void onInitPage() override;
    void doDataExchange(ui::DataExchange& dx) override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;

  private:
    void Speichern();
    void OnCheck(int position);

    CWirtschaftPage* m_wirtschaft;
    SystemFlags m_flags{};
    SystemFlags m_checks{};
    CVRMString m_eigenerName;
};
