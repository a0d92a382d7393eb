#include "platform/ui/Dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "platform/messagebox/MessageBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/PropertySheet.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "tests/support/ui/UiTest.h"

namespace {

using namespace ui;

constexpr int kDialogId = 90001, kPageA = 90002, kPageB = 90003;

void registerTemplates() {
    registerDialogTemplate({kDialogId, {160, 70}, 0, u"Name and count",
                            {{1000, ControlKind::Edit, {10, 10, 150, 24}},
                             {1001, ControlKind::Edit, {10, 30, 60, 44}},
                             {1002, ControlKind::Check, {70, 30, 150, 44}, 0, u"Active"},
                             {kIdOk, ControlKind::DefButton, {50, 50, 100, 64}, 61730},
                             {kIdCancel, ControlKind::Button, {105, 50, 155, 64}, 61731}}});
    registerDialogTemplate({kPageA, {160, 60}, 0, u"First", {{2000, ControlKind::Edit, {10, 10, 80, 24}}}});
    registerDialogTemplate({kPageB, {160, 60}, 0, u"Second", {{3000, ControlKind::Edit, {10, 10, 80, 24}}}});
}

class NameDialog : public Dialog {
  public:
    explicit NameDialog(QWidget* parent = nullptr) : Dialog(kDialogId, parent) {}
    std::u16string name = u"Pumpe";
    unsigned count = 3;
    int active = 1;

  protected:
    void doDataExchange(DataExchange& dx) override {
        dx.text(1000, name);
        dx.unsignedInt(1001, count, 1, 20);
        dx.check(1002, active);
    }
};

QString tabTitle(PropertySheet& sheet, int index) {
    return QString::fromStdU16String(sheet.page(index)->title());
}

QLineEdit* edit(QWidget& w, int id) { return qobject_cast<QLineEdit*>(child(&w, id)); }

class Dialogs : public uitest::Fixture {
  protected:
    void SetUp() override { registerTemplates(); }
};

TEST_F(Dialogs, ModalRunExchangesDataBothWays) {
    NameDialog dlg;
    uitest::dialogs().expectDialog(u"Name and count", [](QDialog& d) {
        EXPECT_EQ(edit(d, 1000)->text(), QStringLiteral("Pumpe"));  // loaded at init
        EXPECT_EQ(edit(d, 1001)->text(), QStringLiteral("3"));
        EXPECT_EQ(qobject_cast<QPushButton*>(child(&d, kIdOk))->text(), QStringLiteral("OK"));
        edit(d, 1000)->setText(QStringLiteral("Sole"));
        edit(d, 1001)->setText(QStringLiteral(" 12 "));
        uitest::click(*child(&d, 1002), {5, 5});
        uitest::click(*child(&d, kIdOk), {5, 5});
    });
    EXPECT_EQ(dlg.doModal(), kIdOk);
    EXPECT_EQ(dlg.name, u"Sole");
    EXPECT_EQ(dlg.count, 12u);
    EXPECT_EQ(dlg.active, 0);
    uitest::saveArtifact(dlg, "dialog-name-count");
}

TEST_F(Dialogs, RefusedEntryShowsTheMessageAndKeepsTheDialogOpen) {
    struct Case {
        const char* entry;
        const char16_t* message;
    };
    const Case cases[] = {
        {"abc", u"Please enter a positive integer."},
        {"-4", u"Please enter a positive integer."},
        {"21", u"Please enter a positive integer between 1 and 20."},
        {"", u"Please enter a positive integer."},
    };
    for (const Case& c : cases) {
        NameDialog dlg;
        uitest::dialogs().expectMessageBox(platform::id::OK);
        uitest::dialogs().expectDialog({}, [&](QDialog& d) {
            edit(d, 1001)->setText(QString::fromUtf8(c.entry));
            uitest::click(*child(&d, kIdOk), {5, 5});
            EXPECT_TRUE(d.isVisible()) << c.entry;
            uitest::click(*child(&d, kIdCancel), {5, 5});
        });
        EXPECT_EQ(dlg.doModal(), kIdCancel);
        EXPECT_EQ(dlg.count, 3u) << c.entry;
        ASSERT_FALSE(uitest::dialogs().boxes().empty());
        EXPECT_EQ(uitest::dialogs().boxes().back().text, c.message);
        EXPECT_EQ(uitest::dialogs().boxes().back().caption, u"Varmion");
        uitest::dialogs().finishTest();
    }
}

class Page : public PropertyPage {
  public:
    Page(int id, int ctrl) : PropertyPage(id), ctrl_(ctrl) {}
    int value = 5;
    std::vector<std::string> log;
    int nextAnswer = 0;

  protected:
    void doDataExchange(DataExchange& dx) override { dx.integer(ctrl_, value, 0, 99); }
    bool onSetActive() override { return log.push_back("set"), true; }
    bool onKillActive() override {
        log.push_back("kill");
        return PropertyPage::onKillActive();
    }
    bool onApply() override { return log.push_back("apply"), true; }
    void onCancel() override { log.push_back("cancel"); }
    int onWizardNext() override { return nextAnswer; }

  private:
    int ctrl_;
};

TEST_F(Dialogs, SheetBuildsPagesLazilyAndAppliesOnlyThoseShown) {
    Page a(kPageA, 2000), b(kPageB, 3000);
    {
        PropertySheet sheet(u"Options");
        sheet.addPage(&a);
        sheet.addPage(&b);
        uitest::dialogs().expectDialog(u"Options", [&](QDialog&) {
            EXPECT_TRUE(a.hasWindow());
            EXPECT_FALSE(b.hasWindow());
            EXPECT_EQ(tabTitle(sheet, 1), QStringLiteral("Second"));
            sheet.pressButton(kIdOk);
        });
        EXPECT_EQ(sheet.doModal(), kIdOk);
        EXPECT_EQ(a.log, (std::vector<std::string>{"set", "kill", "apply"}));
        EXPECT_TRUE(b.log.empty());
    }
    EXPECT_EQ(a.sheet(), nullptr);  // the pages outlive the sheet
}

TEST_F(Dialogs, LeavingAPageWithABadEntryIsRefused) {
    Page a(kPageA, 2000), b(kPageB, 3000);
    PropertySheet sheet(u"Options");
    sheet.addPage(&a);
    sheet.addPage(&b);
    sheet.createModeless(false);  // hidden: pages can be built and rendered
    edit(a, 2000)->setText(QStringLiteral("100"));
    uitest::dialogs().expectMessageBox(platform::id::OK);
    EXPECT_FALSE(sheet.setActivePage(1));
    EXPECT_EQ(sheet.activeIndex(), 0);
    edit(a, 2000)->setText(QStringLiteral("42"));
    EXPECT_TRUE(sheet.setActivePage(1));
    EXPECT_EQ(a.value, 42);
    EXPECT_TRUE(b.hasWindow());
    b.setModified();
    EXPECT_TRUE(child(&sheet, kIdApply)->isEnabled());
    sheet.pressButton(kIdApply);
    EXPECT_FALSE(child(&sheet, kIdApply)->isEnabled());
    sheet.pressButton(kIdCancel);
    EXPECT_EQ(a.log.back(), "cancel");
    EXPECT_EQ(b.log.back(), "cancel");
}

TEST_F(Dialogs, WizardStepsAndFinishes) {
    Page a(kPageA, 2000), b(kPageB, 3000);
    PropertySheet sheet(u"Wizard");
    sheet.setFlags(PropertySheet::Wizard | PropertySheet::NoHelp);
    sheet.addPage(&a);
    sheet.addPage(&b);
    uitest::dialogs().expectDialog(u"Wizard", [&](QDialog&) {
        a.nextAnswer = -1;  // the page keeps the wizard where it is
        sheet.pressButton(kIdNext);
        EXPECT_EQ(sheet.activeIndex(), 0);
        a.nextAnswer = 0;
        sheet.pressButton(kIdNext);
        EXPECT_EQ(sheet.activeIndex(), 1);
        sheet.setWizardButtons(1 | 4);
        EXPECT_FALSE(child(&sheet, kIdNext)->isVisible());
        uitest::saveArtifact(sheet, "wizard-sheet");
        sheet.pressButton(kIdFinish);
    });
    EXPECT_EQ(sheet.doModal(), kResultFinish);
}

}  // namespace
