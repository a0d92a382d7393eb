#include "platform/messagebox/MessageBox.h"

#include <iostream>

#include "platform/text/Text.h"

namespace platform {
namespace {

StderrPresenter& stderrPresenter() {
    static StderrPresenter presenter;
    return presenter;
}

MessageBoxPresenter*& currentPresenter() {
    static MessageBoxPresenter* presenter = nullptr;
    return presenter;
}

const char* buttonName(int answer) {
    switch (answer) {
        case id::OK:
            return "OK";
        case id::CANCEL:
            return "Cancel";
        case id::ABORT:
            return "Abort";
        case id::RETRY:
            return "Retry";
        case id::IGNORE:
            return "Ignore";
        case id::YES:
            return "Yes";
        case id::NO:
            return "No";
        default:
            return "?";
    }
}

}  // namespace

std::vector<int> buttonsOf(uint32_t style) {
    switch (style & mb::TYPEMASK) {
        case mb::OKCANCEL:
            return {id::OK, id::CANCEL};
        case mb::ABORTRETRYIGNORE:
            return {id::ABORT, id::RETRY, id::IGNORE};
        case mb::YESNOCANCEL:
            return {id::YES, id::NO, id::CANCEL};
        case mb::YESNO:
            return {id::YES, id::NO};
        case mb::RETRYCANCEL:
            return {id::RETRY, id::CANCEL};
        default:
            return {id::OK};
    }
}

int defaultAnswer(uint32_t style) {
    const auto buttons = buttonsOf(style);
    const size_t index = (style & mb::DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

int StderrPresenter::present(const MessageBoxRequest& request) {
    const int answer = defaultAnswer(request.style);
    std::cerr << "[" << toUtf8(request.caption) << "] " << toUtf8(request.text) << " -> "
              << buttonName(answer) << std::endl;
    return answer;
}

int RecordingPresenter::present(const MessageBoxRequest& request) {
    shown.push_back(request);
    if (!script.empty()) {
        const int answer = script.front();
        script.pop_front();
        return answer;
    }
    return defaultAnswer(request.style);
}

MessageBoxPresenter* setMessageBoxPresenter(MessageBoxPresenter* presenter) {
    MessageBoxPresenter* previous = currentPresenter();
    currentPresenter() = presenter;
    return previous;
}

int showMessageBox(const MessageBoxRequest& request) {
    MessageBoxPresenter* presenter = currentPresenter();
    return presenter ? presenter->present(request) : stderrPresenter().present(request);
}

}  // namespace platform
