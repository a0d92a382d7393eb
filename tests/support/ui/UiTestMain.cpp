// The main of every window-test executable: the headless environment of UiTest.h.
#include <QApplication>
#include <QFontDatabase>
#include <QStyleFactory>
#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>

#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/modules/Module.h"
#include "platform/resources/Resources.h"
#include "resources/ResourceIds.h"
#include "platform/ui/Colour.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/ExceptionBarrier.h"
#include "platform/ui/Font.h"
#include "platform/ui/GuardedApplication.h"
#include "platform/ui/ModalDriver.h"
#include "platform/ui/Words.h"
#include "tests/support/ui/RecordingDesktop.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "tests/support/ui/UiTest.h"

namespace uitest {
void recordWindowError(std::exception_ptr error, ui::Msg message);
void resetForTest();
}  // namespace uitest

namespace {

// The layer's words from the loaded language table, as the program gives them.
class LanguageWords : public ui::WordSource {
    std::optional<std::u16string> text(unsigned id) const override {
        const CVRMString* text =
            id <= 0xFFFF ? CResManager::findLangText(static_cast<uint16_t>(id)) : nullptr;
        if (!text) return std::nullopt;
        return std::u16string(*text);
    }
    std::u16string caption() const override { return CResManager::getLangText(textid::kProduktCaption); }
};

// A test that does not use uitest::Fixture still starts clean.
class ResetBetweenTests : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { uitest::resetForTest(); }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::GuardedApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");

    if (!QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) {
        std::cerr << "The font \"Liberation Sans\" is missing: install fonts-liberation2\n";
        return 1;
    }
    // The texts come from the real English resource module.
    // Held for the whole run (a static, so that it is not taken for lost at the end).
    static const platform::ModuleHandle language =
        platform::loadModule(std::string(VARM_PROGRAM_DIR) + "/Varmtexteng.so");
    if (!language) {
        std::cerr << "Cannot load the English resource module: " << platform::lastModuleError() << '\n';
        return 1;
    }
    platform::setCurrentResourceModule(language);
    CResManager::setLang(IDR_LNG_ENG);
    static const LanguageWords words;
    ui::setWordSource(&words);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ui::SystemColours::useFixedScheme();
    QApplication::setFont(ui::toQFont(ui::messageFont()));
    ui::TimerClock::install(&uitest::clock());
    ui::setWindowErrorHandler(uitest::recordWindowError);
    platform::setMessageBoxPresenter(&uitest::dialogs());
    ui::CommonDialogs::install(&uitest::dialogs());
    ui::installDesktop(&uitest::desktop());
    ui::ModalDriver::install([](QDialog& d) { return uitest::dialogs().runModal(d); });

    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new ResetBetweenTests);
    return RUN_ALL_TESTS();
}
