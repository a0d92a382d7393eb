#pragma once
// Dialog data exchange: moves values between a dialog's controls (by id) and members,
// in both directions, with the framework's checks.
//
//   void CMyPage::doDataExchange(ui::DataExchange& dx) {
//       dx.text(2201, name_);
//       dx.unsignedInt(1070, count_, 10, 50);    // refused outside 10..50
//       dx.floating(1126, factor_, 0.f, 20.f);
//       dx.check(1685, flag_);
//   }
//   if (!updateData(true)) return;   // Dialog/PropertyPage: false when an entry was refused
//
// Saving: an entry that is not a number of the kind, or outside the range, shows the
// message box of the framework's texts (asked of ui::WordSource with the program's name
// as caption, exclamation), puts the focus on the control and throws
// platform::UserException. updateData catches it and answers false; a doDataExchange that
// catches it itself (an "exchange failed" flag) may do so.
// A refused entry leaves the member as it was. Numbers are read and written in the C
// locale; floats with 6 significant digits, doubles with 15.
#include <QWidget>
#include <optional>
#include <string>

namespace ui {

class DataExchange {
  public:
    DataExchange(QWidget& dialog, bool saving) : dialog_(dialog), saving_(saving) {}
    bool saving() const { return saving_; }

    void text(int id, std::u16string& value);
    void integer(int id, int& value);
    void integer(int id, int& value, int min, int max);
    void unsignedInt(int id, unsigned& value);
    void unsignedInt(int id, unsigned& value, unsigned min, unsigned max);
    void floating(int id, float& value);
    void floating(int id, float& value, float min, float max);
    void floating(int id, double& value);
    void floating(int id, double& value, double min, double max);
    // Check box state 0, 1 or 2 (indeterminate).
    void check(int id, int& state);
    // Index of the checked button of the radio group that starts at `firstId`; -1: none.
    void radio(int firstId, int& index);
    // Combo box or list: selected index (-1 none) or text.
    void listIndex(int id, int& index);
    void listText(int id, std::u16string& text);

  private:
    QWidget* control(int id) const;
    std::u16string read(int id) const;
    void write(int id, const std::u16string& text);
    [[noreturn]] void fail(int id, unsigned textId, std::u16string_view min = {},
                           std::u16string_view max = {});

    QWidget& dialog_;
    bool saving_;
};

// Language-text ids of the framework's refusals.
namespace ddxtext {
constexpr unsigned kInteger = 61712;        // "Please enter an integer."
constexpr unsigned kIntegerRange = 61713;   // "Please enter an integer between %s and %s."
constexpr unsigned kNumber = 61715;         // "Please enter a number."
constexpr unsigned kNumberRange = 61716;    // "Please enter a number between %s and %s."
constexpr unsigned kUnsigned = 61717;       // "Please enter a positive integer."
constexpr unsigned kUnsignedRange = 61718;  // "Please enter a positive integer between %s and %s."
}  // namespace ddxtext

}  // namespace ui
