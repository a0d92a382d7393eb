#include "tests/support/ui/ScriptedDialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <gtest/gtest.h>

#include "platform/text/Text.h"

namespace uitest {
namespace {

std::string utf8(std::u16string_view t) { return platform::toUtf8(t); }

}  // namespace

ScriptedDialogs& dialogs() {
    static ScriptedDialogs d;
    return d;
}

void ScriptedDialogs::expectMessageBox(int answer) { boxAnswers_.push_back(answer); }

void ScriptedDialogs::expectDialog(std::u16string caption, Script script) {
    dialogSteps_.push_back({std::move(caption), std::move(script)});
}

void ScriptedDialogs::expectFile(std::optional<std::u16string> path) {
    fileAnswers_.push_back(std::move(path));
}
void ScriptedDialogs::expectFolder(std::optional<std::u16string> path) {
    folderAnswers_.push_back(std::move(path));
}
void ScriptedDialogs::expectColour(std::optional<ui::ColourRef> colour) {
    colourAnswers_.push_back(colour);
}

int ScriptedDialogs::present(const platform::MessageBoxRequest& request) {
    boxes_.push_back(request);
    if (boxAnswers_.empty()) {
        ADD_FAILURE() << "Unexpected message box \"" << utf8(request.caption) << "\": "
                      << utf8(request.text);
        return platform::defaultAnswer(request.style);
    }
    const int answer = boxAnswers_.front();
    boxAnswers_.pop_front();
    return answer;
}

int ScriptedDialogs::runModal(QDialog& dialog) {
    const std::u16string caption = dialog.windowTitle().toStdU16String();
    captions_.push_back(caption);
    if (dialogSteps_.empty()) {
        ADD_FAILURE() << "Unexpected dialog \"" << utf8(caption) << "\"";
        return 2;
    }
    DialogStep step = std::move(dialogSteps_.front());
    dialogSteps_.pop_front();
    if (!step.caption.empty() && step.caption != caption) {
        ADD_FAILURE() << "Expected dialog \"" << utf8(step.caption) << "\", got \""
                      << utf8(caption) << "\"";
        return 2;
    }
    dialog.setResult(0);
    dialog.show();
    QCoreApplication::processEvents();
    if (step.script) step.script(dialog);
    QCoreApplication::processEvents();
    if (dialog.isVisible()) {
        ADD_FAILURE() << "The script left dialog \"" << utf8(caption) << "\" open";
        dialog.hide();
        return 2;
    }
    return dialog.result();
}

std::optional<std::u16string> ScriptedDialogs::file(const ui::FileDialogRequest& request) {
    files_.push_back(request);
    if (fileAnswers_.empty()) {
        ADD_FAILURE() << "Unexpected file dialog \"" << utf8(request.title) << "\"";
        return std::nullopt;
    }
    auto answer = std::move(fileAnswers_.front());
    fileAnswers_.pop_front();
    return answer;
}

std::optional<std::u16string> ScriptedDialogs::folder(std::u16string_view title,
                                                      std::u16string_view start) {
    folders_.push_back({std::u16string(title), std::u16string(start)});
    if (folderAnswers_.empty()) {
        ADD_FAILURE() << "Unexpected folder dialog \"" << utf8(title) << "\"";
        return std::nullopt;
    }
    auto answer = std::move(folderAnswers_.front());
    folderAnswers_.pop_front();
    return answer;
}

std::optional<ui::ColourRef> ScriptedDialogs::colour(ui::ColourRef initial) {
    colours_.push_back(initial);
    if (colourAnswers_.empty()) {
        ADD_FAILURE() << "Unexpected colour dialog";
        return std::nullopt;
    }
    auto answer = colourAnswers_.front();
    colourAnswers_.pop_front();
    return answer;
}

void ScriptedDialogs::finishTest() {
    if (!boxAnswers_.empty())
        ADD_FAILURE() << boxAnswers_.size() << " scripted message box(es) never shown";
    for (const auto& s : dialogSteps_)
        ADD_FAILURE() << "Scripted dialog \"" << utf8(s.caption) << "\" never shown";
    if (!fileAnswers_.empty()) ADD_FAILURE() << "Scripted file dialog never shown";
    if (!folderAnswers_.empty()) ADD_FAILURE() << "Scripted folder dialog never shown";
    if (!colourAnswers_.empty()) ADD_FAILURE() << "Scripted colour dialog never shown";
    *this = ScriptedDialogs();
}

}  // namespace uitest
