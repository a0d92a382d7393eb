#pragma once
// Scripted answers for everything that would wait for the user in a window test: message
// boxes, modal dialogs and property sheets (through ui::ModalDriver), and the common
// dialogs (file, folder, colour). The harness installs it; tests queue what they expect.
//
//   auto& d = uitest::dialogs();
//   d.expectMessageBox(platform::id::YES);                 // the next box answers Yes
//   d.expectDialog(u"Options", [](QDialog& dlg) {          // the next modal dialog
//       uitest::click(*ui::child(&dlg, 1), {5, 5});         // e.g. press OK
//   });
//   d.expectFile(u"/tmp/x.bmp");                           // the next file dialog
//   runTheCode();
//   EXPECT_EQ(d.boxes().at(0).caption, u"Varmion");
//
// A dialog's script must close it (OK, Cancel, endDialog); its result is what doModal
// answers. Expectations are consumed in order per kind. Anything unexpected fails the
// test with its caption and answers Cancel (or the box's default button).
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/messagebox/MessageBox.h"
#include "platform/ui/Colour.h"
#include "platform/ui/CommonDialogs.h"

class QDialog;

namespace uitest {

class ScriptedDialogs : public platform::MessageBoxPresenter, public ui::CommonDialogPresenter {
  public:
    using Script = std::function<void(QDialog&)>;

    void expectMessageBox(int answer);
    // `caption` empty: any caption.
    void expectDialog(std::u16string caption, Script script);
    // std::nullopt: the user cancels.
    void expectFile(std::optional<std::u16string> path);
    void expectFolder(std::optional<std::u16string> path);
    void expectColour(std::optional<ui::ColourRef> colour);

    const std::vector<platform::MessageBoxRequest>& boxes() const { return boxes_; }
    const std::vector<std::u16string>& dialogCaptions() const { return captions_; }
    const std::vector<ui::FileDialogRequest>& fileRequests() const { return files_; }
    struct FolderRequest {
        std::u16string title;
        std::u16string start;
    };
    const std::vector<FolderRequest>& folderRequests() const { return folders_; }
    // The colour each colour dialog started with.
    const std::vector<ui::ColourRef>& colourRequests() const { return colours_; }

    // Presenters.
    int present(const platform::MessageBoxRequest& request) override;
    int runModal(QDialog& dialog);
    std::optional<std::u16string> file(const ui::FileDialogRequest& request) override;
    std::optional<std::u16string> folder(std::u16string_view title, std::u16string_view start) override;
    std::optional<ui::ColourRef> colour(ui::ColourRef initial) override;

    // Fails the current test for every unused expectation; then forgets everything.
    void finishTest();

  private:
    struct DialogStep {
        std::u16string caption;
        Script script;
    };
    std::deque<int> boxAnswers_;
    std::deque<DialogStep> dialogSteps_;
    std::deque<std::optional<std::u16string>> fileAnswers_, folderAnswers_;
    std::deque<std::optional<ui::ColourRef>> colourAnswers_;
    std::vector<platform::MessageBoxRequest> boxes_;
    std::vector<std::u16string> captions_;
    std::vector<ui::FileDialogRequest> files_;
    std::vector<FolderRequest> folders_;
    std::vector<ui::ColourRef> colours_;
};

ScriptedDialogs& dialogs();

}  // namespace uitest
