#pragma once
// The message-box presenter the program installs: a QMessageBox with the buttons, icon and
// default button of the style, run through ui::ModalDriver, answering 1 OK, 2 Cancel,
// 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No (closing the box answers Cancel where the
// style has it, else its default button).
//
//   static ui::QtMessageBoxPresenter presenter;
//   platform::setMessageBoxPresenter(&presenter);
#include "platform/messagebox/MessageBox.h"

namespace ui {

class QtMessageBoxPresenter : public platform::MessageBoxPresenter {
  public:
    int present(const platform::MessageBoxRequest& request) override;
};

}  // namespace ui
