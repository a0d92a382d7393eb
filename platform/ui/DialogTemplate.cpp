#include "platform/ui/DialogTemplate.h"

#include <QAbstractButton>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <map>

#include "platform/ui/DrawContext.h"
#include "platform/ui/Window.h"

namespace ui {
namespace {

std::map<int, DialogTemplate>& templates() {
    static std::map<int, DialogTemplate> t;
    return t;
}

QWidget* make(QWidget& parent, const ControlSpec& c, const QString& text) {
    switch (c.kind) {
        case ControlKind::Static: {
            auto* l = new QLabel(text, &parent);
            l->setAlignment((c.style & dt::Right)    ? Qt::AlignRight | Qt::AlignTop
                            : (c.style & dt::Center) ? Qt::AlignHCenter | Qt::AlignTop
                                                     : Qt::AlignLeft | Qt::AlignTop);
            l->setWordWrap(true);
            return l;
        }
        case ControlKind::Edit:
            if (c.style & cs::EditMultiLine) {
                auto* e = new QPlainTextEdit(text, &parent);
                e->setReadOnly(c.style & cs::EditReadOnly);
                return e;
            } else {
                auto* e = new QLineEdit(text, &parent);
                e->setReadOnly(c.style & cs::EditReadOnly);
                return e;
            }
        case ControlKind::Button:
        case ControlKind::DefButton: {
            auto* b = new QPushButton(text, &parent);
            b->setDefault(c.kind == ControlKind::DefButton);
            b->setAutoDefault(false);
            return b;
        }
        case ControlKind::Check: {
            auto* b = new QCheckBox(text, &parent);
            b->setTristate((c.style & 0xF) == cs::CheckThreeState);
            return b;
        }
        case ControlKind::Radio:
            return new QRadioButton(text, &parent);
        case ControlKind::Group:
            return new QGroupBox(text, &parent);
        case ControlKind::DropList:
        case ControlKind::DropDown: {
            auto* b = new QComboBox(&parent);
            b->setEditable(c.kind == ControlKind::DropDown);
            if (b->isEditable()) b->setEditText(text);
            return b;
        }
        case ControlKind::List: {
            auto* l = new QListWidget(&parent);
            if (c.style & cs::ListMultiSelect) l->setSelectionMode(QAbstractItemView::ExtendedSelection);
            return l;
        }
        case ControlKind::Custom:
            if (c.create) return c.create(&parent);
            break;
    }
    return new QWidget(&parent);
}

}  // namespace

void registerDialogTemplate(DialogTemplate t) {
    const int id = t.id;
    templates()[id] = std::move(t);
}

const DialogTemplate* findDialogTemplate(int id) {
    auto it = templates().find(id);
    return it == templates().end() ? nullptr : &it->second;
}

Size dialogBaseUnits(const FontSpec& font) {
    const QFontMetrics m(toQFont(font));
    // The average of the 52 Latin letters, rounded, as the desktop computes the base width.
    const int letters = m.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, m.ascent() + m.descent()};
}

Rect dialogUnitsToPixels(const Rect& du, const FontSpec& font) {
    const Size b = dialogBaseUnits(font);
    return {du.left * b.cx / 4, du.top * b.cy / 8, du.right * b.cx / 4, du.bottom * b.cy / 8};
}

Size dialogUnitsToPixels(Size du, const FontSpec& font) {
    const Size b = dialogBaseUnits(font);
    return {du.cx * b.cx / 4, du.cy * b.cy / 8};
}

std::vector<QWidget*> buildControls(QWidget& parent, const DialogTemplate& t) {
    std::vector<QWidget*> made;
    QButtonGroup* group = nullptr;
    for (const ControlSpec& c : t.controls) {
        const QString text = QString::fromStdU16String(c.textId ? languageText(c.textId) : c.text);
        QWidget* w = make(parent, c, text);
        setControlId(w, c.id);
        w->setFont(toQFont(t.font));
        w->setGeometry(toQRect(dialogUnitsToPixels(c.du, t.font)));
        if (c.style & cs::Disabled) w->setEnabled(false);
        if (c.style & cs::Hidden) w->setVisible(false);
        if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            if (!group || (c.style & cs::RadioGroupStart)) group = new QButtonGroup(&parent);
            group->addButton(radio);
        } else if (c.kind != ControlKind::Static && c.kind != ControlKind::Group) {
            group = nullptr;  // a group of radio buttons ends at the next other control
        }
        made.push_back(w);
    }
    return made;
}

Size buildFromTemplate(QWidget& widget, Window& window, const DialogTemplate& t) {
    widget.setFont(toQFont(t.font));
    for (QWidget* w : buildControls(widget, t)) {
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (!button) continue;
        const int id = ui::controlId(w);
        QObject::connect(button, &QAbstractButton::clicked, &widget,
                         [&window, id] { sendCommand(window, id, 0, nullptr); });
    }
    return dialogUnitsToPixels(t.du, t.font);
}

}  // namespace ui
