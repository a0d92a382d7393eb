#pragma once
// The message-box service. Every box of the system goes through `showMessageBox`;
// what shows it is a replaceable presenter: the program installs a window presenter,
// headless runs print to stderr and answer the default button, tests record and script.
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace platform {

class Window;

// Style flags and answers keep the numeric values that the stored texts and callers use.
namespace mb {
constexpr uint32_t OK = 0x0, OKCANCEL = 0x1, ABORTRETRYIGNORE = 0x2, YESNOCANCEL = 0x3, YESNO = 0x4,
                   RETRYCANCEL = 0x5, TYPEMASK = 0xF;
constexpr uint32_t ICONERROR = 0x10, ICONQUESTION = 0x20, ICONEXCLAMATION = 0x30,
                   ICONINFORMATION = 0x40, ICONMASK = 0xF0;
constexpr uint32_t DEFBUTTON1 = 0x0, DEFBUTTON2 = 0x100, DEFBUTTON3 = 0x200, DEFMASK = 0xF00;
constexpr uint32_t SYSTEMMODAL = 0x1000, TOPMOST = 0x40000;
}  // namespace mb

namespace id {
constexpr int OK = 1, CANCEL = 2, ABORT = 3, RETRY = 4, IGNORE = 5, YES = 6, NO = 7;
}  // namespace id

struct MessageBoxRequest {
    std::u16string text;
    std::u16string caption;
    uint32_t style = 0;
    Window* owner = nullptr;  // none: a desktop-level box
};

// The buttons a style shows, in order, and the one its default-button bits select.
std::vector<int> buttonsOf(uint32_t style);
int defaultAnswer(uint32_t style);

class MessageBoxPresenter {
  public:
    virtual ~MessageBoxPresenter() = default;
    virtual int present(const MessageBoxRequest& request) = 0;
};

// Prints the box to stderr and answers its default button.
class StderrPresenter : public MessageBoxPresenter {
  public:
    int present(const MessageBoxRequest& request) override;
};

// Records every box; answers from the script in order, then the default button.
class RecordingPresenter : public MessageBoxPresenter {
  public:
    int present(const MessageBoxRequest& request) override;
    std::vector<MessageBoxRequest> shown;
    std::deque<int> script;
};

// Installs a presenter (not owned); nullptr restores the stderr presenter.
// Returns the presenter that was installed before.
MessageBoxPresenter* setMessageBoxPresenter(MessageBoxPresenter* presenter);

int showMessageBox(const MessageBoxRequest& request);

// Installs a presenter for the lifetime of the guard (tests, nested dialogs).
class ScopedMessageBoxPresenter {
  public:
    explicit ScopedMessageBoxPresenter(MessageBoxPresenter& p)
        : previous_(setMessageBoxPresenter(&p)) {}
    ~ScopedMessageBoxPresenter() { setMessageBoxPresenter(previous_); }
    ScopedMessageBoxPresenter(const ScopedMessageBoxPresenter&) = delete;
    ScopedMessageBoxPresenter& operator=(const ScopedMessageBoxPresenter&) = delete;

  private:
    MessageBoxPresenter* previous_;
};

}  // namespace platform
