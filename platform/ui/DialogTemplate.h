#pragma once
// Dialog layouts as tables, keyed by the dialog's resource id: each control with its id,
// kind, rectangle in dialog units, text (a language-text id or a literal) and style bits.
// Dialog and PropertyPage build their controls from the table; a control of our own class
// comes from the table entry's `create` function and still gets the id and the rectangle.
//
//   ui::registerDialogTemplate({5019, {200, 80}, 3168, u"", {
//       {1000, ui::ControlKind::Edit,   {10, 10, 190, 24}},
//       {1,    ui::ControlKind::DefButton, {90, 60, 140, 74}, 0, u"OK"},
//       {2,    ui::ControlKind::Button, {145, 60, 195, 74}, 0, u"Cancel"},
//   }});
//
// Dialog units: x = pixels x 4 / average character width, y = pixels x 8 / text height,
// of the dialog font (messageFont() unless the template names one).
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Font.h"
#include "platform/ui/Words.h"
#include "platform/ui/Geometry.h"

namespace ui {

enum class ControlKind {
    Static,     // text label (style: dt::Center/dt::Right alignment)
    Edit,       // single-line edit (style: EditReadOnly, EditMultiLine, EditNumber)
    Button,     // push button; clicks send onCommand(id, 0) to the dialog
    DefButton,  // the default push button
    Check,      // check box (style: CheckThreeState)
    Radio,      // radio button; a group starts at a radio with RadioGroupStart
    Group,      // group frame with a caption
    DropList,   // combo box without edit
    DropDown,   // editable combo box
    List,       // list box (style: ListMultiSelect)
    Custom,     // made by ControlSpec::create
};

namespace cs {
constexpr unsigned EditReadOnly = 0x800, EditMultiLine = 0x4, EditNumber = 0x2000,
                   CheckThreeState = 0x5, RadioGroupStart = 0x20000, ListMultiSelect = 0x800,
                   Disabled = 0x8000000, Hidden = 0x10000000;
}

struct ControlSpec {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    Rect du;              // dialog units
    unsigned textId = 0;  // language text; 0: `text`
    std::u16string text{};
    unsigned style = 0;
    std::function<QWidget*(QWidget* parent)> create{};  // for ControlKind::Custom
};

struct DialogTemplate {
    int id = 0;
    Size du;                   // client size in dialog units
    unsigned captionTextId = 0;  // language text; 0: `caption`
    std::u16string caption{};
    std::vector<ControlSpec> controls{};
    FontSpec font = messageFont();
};

void registerDialogTemplate(DialogTemplate t);
const DialogTemplate* findDialogTemplate(int id);

// Average character width and text height of a font: the base of dialog units.
Size dialogBaseUnits(const FontSpec& font);
Rect dialogUnitsToPixels(const Rect& du, const FontSpec& font);
Size dialogUnitsToPixels(Size du, const FontSpec& font);

// Creates the controls of the table on `parent`, each with its id; answers them in order.
std::vector<QWidget*> buildControls(QWidget& parent, const DialogTemplate& t);

class Window;
// Lays the table out on a dialog or page (`widget` and `window` are the same object): its
// font and controls, each button's click sent to it as a command with the button's id.
// Answers the table's size in pixels.
Size buildFromTemplate(QWidget& widget, Window& window, const DialogTemplate& t);

}  // namespace ui
