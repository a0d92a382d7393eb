#pragma once
// Property sheets: pages under tabs (or, in wizard mode, one after the other with Back,
// Next and Finish), run modal, modeless, or hidden (pages rendered without being shown).
//
//   class CPageA : public ui::PropertyPage {
//     public: CPageA() : PropertyPage(301, u"General") {}
//     protected:
//       void doDataExchange(ui::DataExchange& dx) override { dx.integer(1000, value); }
//       bool onApply() override { store(); return true; }
//   };
//   CPageA a; CPageB b;                       // pages are not owned by the sheet
//   ui::PropertySheet sheet(u"Options", frame);
//   sheet.addPage(&a); sheet.addPage(&b);
//   if (sheet.doModal() == ui::kIdOk) ...;    // 1 OK, 2 Cancel, kResultFinish in a wizard
//
// Protocol: a page's content (its template's controls, onInitPage, updateData(false)) is
// built on its first activation: hasWindow() tells. Leaving a page asks onKillActive
// (default: updateData(true)); entering one asks onSetActive. OK: the active page's
// onKillActive, then onApply of every page that has a window (default: onOK); one that
// answers false becomes active and the sheet stays. Cancel: onCancel of those pages.
// Apply (enabled by setModified) applies without closing. Wizard: onWizardNext/Back answer
// 0 for the neighbour, -1 to stay, or a page's template id; onWizardFinish true ends with
// kResultFinish.
#include <QDialog>
#include <string>
#include <vector>

#include "platform/ui/DataExchange.h"
#include "platform/ui/Window.h"

class QPushButton;
class QStackedWidget;
class QTabBar;

namespace ui {

class PropertySheet;

class PropertyPage : public WindowOf<QWidget> {
  public:
    explicit PropertyPage(int templateId = 0, std::u16string title = {});
    ~PropertyPage() override;

    bool hasWindow() const { return hasWindow_; }
    void setModified(bool modified = true);
    bool modified() const { return modified_; }
    PropertySheet* sheet() const { return sheet_; }
    const std::u16string& title() const { return title_; }
    // The tab's text; a page in a sheet shows it at once.
    void setTitle(std::u16string title);
    int templateId() const { return templateId_; }
    bool updateData(bool saveAndValidate = true);

    virtual bool onSetActive() { return true; }
    virtual bool onKillActive() { return updateData(true); }
    virtual bool onApply() {
        onOK();
        return true;
    }
    virtual void onOK() {}
    virtual void onCancel() {}
    virtual int onWizardBack() { return 0; }
    virtual int onWizardNext() { return 0; }
    virtual bool onWizardFinish() { return true; }
    virtual bool onHelp() { return false; }

  protected:
    // Runs once the page's controls exist (default: updateData(false)).
    virtual void onInitPage() { updateData(false); }
    virtual void doDataExchange(DataExchange&) {}

  private:
    friend class PropertySheet;
    void createContent();

    int templateId_;
    std::u16string title_;
    PropertySheet* sheet_ = nullptr;
    bool hasWindow_ = false;
    bool modified_ = false;
};

inline constexpr int kIdApply = 0x3021, kIdBack = 0x3023, kIdNext = 0x3024,
                     kIdFinish = 0x3025, kResultFinish = 12325;

class PropertySheet : public WindowOf<QDialog> {
  public:
    enum Flags : unsigned { NoApply = 1, NoHelp = 2, Wizard = 4 };

    PropertySheet(std::u16string caption, QWidget* parent = nullptr, int firstPage = 0);
    ~PropertySheet() override;

    void addPage(PropertyPage* page);
    void removePage(int index);
    int pageCount() const { return static_cast<int>(pages_.size()); }
    PropertyPage* page(int index) const;
    PropertyPage* activePage() const { return page(active_); }
    int activeIndex() const { return active_; }
    int indexOf(const PropertyPage* page) const;
    // Leaves the active page (it may refuse) and enters `index`; false: nothing changed.
    bool setActivePage(int index);
    void setTitle(std::u16string caption);
    void setTabText(PropertyPage* page, std::u16string text);
    void setFlags(unsigned flags) { flags_ = flags; }
    // Wizard buttons: 1 Back, 2 Next, 4 Finish (shown instead of Next), 8 Finish disabled.
    void setWizardButtons(unsigned flags);

    int doModal();
    // visible = false: a hidden sheet whose pages can be activated and rendered.
    bool createModeless(bool visible = true);
    // Presses a button of the sheet (kIdOk, kIdCancel, kIdApply, kIdBack, ...).
    void pressButton(int id);
    void endDialog(int result) { QDialog::done(result); }
    bool onCommand(int id, int notifyCode, Window* from) override;
    // Re-reads the pages' modified flags and the wizard flags into the buttons.
    void updateButtons();

  protected:
    void accept() override;
    void reject() override;

  private:
    void build();
    void ok();
    void cancel();
    bool apply();
    void wizardStep(int answer, int fallbackIndex);
    QPushButton* button(int id) const;

    std::vector<PropertyPage*> pages_;
    std::u16string caption_;
    unsigned flags_ = 0;
    int first_;
    int active_ = -1;
    unsigned wizardButtons_ = 3;
    bool built_ = false;
    QTabBar* tabs_ = nullptr;
    QStackedWidget* stack_ = nullptr;
};

}  // namespace ui
