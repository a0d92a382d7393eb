#pragma once
// Dialogs: modal (doModal through ui::ModalDriver), modeless or hidden, with their controls
// built from the registered DialogTemplate of their id and data exchange.
//
//   class CDlgName : public ui::Dialog {
//     public:
//       CDlgName(QWidget* parent) : Dialog(5019, parent) {}
//       std::u16string name;
//     protected:
//       void doDataExchange(ui::DataExchange& dx) override { dx.text(1000, name); }
//   };
//   CDlgName dlg(frame);  if (dlg.doModal() == 1) use(dlg.name);
//
// Buttons of the table send onCommand(id, 0) to the dialog; id 1 runs onOK (default:
// updateData(true), then endDialog(1)), id 2 and Escape and closing run onCancel
// (endDialog(2)). onInitDialog runs once the controls exist (default: updateData(false)).
#include <QDialog>

#include "platform/ui/DataExchange.h"
#include "platform/ui/Window.h"

namespace ui {

class Dialog : public WindowOf<QDialog> {
  public:
    explicit Dialog(int templateId, QWidget* parent = nullptr);

    int doModal();
    // Shows the dialog without a loop (visible = false: created hidden).
    bool createModeless(bool visible = true);
    void endDialog(int result);
    // Runs doDataExchange; answers false when an entry was refused (message shown).
    bool updateData(bool saveAndValidate = true);
    int templateId() const { return templateId_; }
    bool created() const { return created_; }

  protected:
    virtual bool onInitDialog();
    virtual void onOK();
    virtual void onCancel();
    virtual void doDataExchange(DataExchange&) {}
    bool onCommand(int id, int notifyCode, Window* from) override;

    void accept() override;
    void reject() override;

  private:
    void create();

    int templateId_;
    bool created_ = false;
};

}  // namespace ui
