#include "controls/buttons/ButtonST.h"

#include <QMenu>

#include "core/value/VRMString.h"
#include "platform/ui/Colour.h"
#include "platform/ui/Desktop.h"

using ui::ColourRef;
using ui::SysColour;
using ui::sysColour;

namespace {
constexpr int kFocusInset = 3;
constexpr int kMaxTipWidth = 400;
}

CButtonST::CButtonST(std::u16string_view text, QWidget* parent, unsigned style)
    : ui::WindowOf<QPushButton>(QString::fromStdU16String(std::u16string(text)), parent),
      state_(sysColour(SysColour::ButtonFace).value, sysColour(SysColour::ButtonText).value) {
    state_.subclass(style);
    // The dialog's Enter goes to the button that was its default push button.
    if (state_.isDefault()) setDefault(true);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QPushButton::clicked, this, [this] { clicked(); });
}

int CButtonST::SetColor(int index, ColourRef colour, bool repaint) {
    const int result = state_.SetColor(index, colour.value);
    if (result == buttons::kButtonOk && repaint) update();
    return result;
}

void CButtonST::SetDefaultColors(bool repaint) {
    state_.SetDefaultColors(sysColour(SysColour::ButtonFace).value,
                           sysColour(SysColour::ButtonText).value);
    if (repaint) update();
}

int CButtonST::SetPressedStyle(int style, bool repaint) {
    const int result = state_.SetPressedStyle(style);
    if (result == buttons::kButtonOk && repaint) update();
    return result;
}

void CButtonST::SetCheck(int check, bool repaint) {
    if (state_.SetCheck(check) && repaint) update();
}

void CButtonST::SetIcon(const QImage& in, const QImage& out) {
    iconIn_ = in;
    iconOut_ = out;
    update();
}

int CButtonST::SetBitmaps(int idIn, ColourRef transIn, int idOut, ColourRef transOut,
                          int idDisabled, ColourRef transDisabled) {
    const QImage in = buttons::loadResourceBitmap(idIn);
    // A derived bitmap copies the in bitmap and takes its transparent colour.
    const auto resolve = [&](int id, ColourRef& trans) -> QImage {
        if (id == buttons::kAutoGrey || id == buttons::kAutoDarker) {
            trans = transIn;
            return buttons::derivedCopy(in, transIn,
                                        id == buttons::kAutoGrey ? buttons::greyOf : buttons::darkerOf);
        }
        return buttons::loadResourceBitmap(id);
    };
    const QImage out = resolve(idOut, transOut);
    const QImage disabled = resolve(idDisabled, transDisabled);
    const bool unreadable = (idIn != 0 && in.isNull()) || (idOut > 0 && out.isNull()) ||
                            (idDisabled > 0 && disabled.isNull());
    if (unreadable) {
        FreeResources();
        return buttons::kBitmapUnreadable;
    }
    return SetBitmaps(in, transIn, out, transOut, disabled, transDisabled);
}

int CButtonST::SetBitmaps(const QImage& in, ColourRef transIn, const QImage& out,
                          ColourRef transOut, const QImage& disabled, ColourRef transDisabled) {
    FreeResources();
    if (in.isNull()) return buttons::kButtonOk;
    const std::array<std::pair<const QImage*, ColourRef>, 3> sources{
        {{&in, transIn}, {&out, transOut}, {&disabled, transDisabled}}};
    for (size_t i = 0; i < sources.size(); ++i) {
        const auto [image, trans] = sources[i];
        if (image->isNull()) continue;
        bitmaps_[i] = buttons::prepareBitmap(*image, trans);
        if (bitmaps_[i].mask.isNull()) {
            FreeResources();
            return buttons::kMaskFailed;
        }
    }
    update();
    return buttons::kButtonOk;
}

bool CButtonST::resizeProperties(resizable::ResizeProperties& properties) const {
    properties.askClipping = true;
    properties.likesClipping = !transparent_;
    properties.askRefresh = false;
    properties.needsRefresh = false;
    return true;
}

void CButtonST::DrawTransparent(bool repaint) {
    transparent_ = true;
    if (repaint) update();
}

void CButtonST::SetTooltipText(std::u16string_view text, bool activate) {
    if (!tooltip_) {
        tooltip_ = new ui::ToolTip(*this, tipStyle_);
        tooltip_->setMaxTipWidth(kMaxTipWidth);
    }
    if (!tooltip_->hasTool()) tooltip_->addTool(text);
    tooltip_->updateTipText(text);
    tooltip_->activate(activate);
}

void CButtonST::SetTooltipText(int textId, bool activate) {
    CVRMString text;  // empty when the string resource is missing
    text.LoadStringMFC(static_cast<unsigned>(textId));
    SetTooltipText(std::u16string_view(text), activate);
}

void CButtonST::SetMenu(int menuId, ui::Window* owner) {
    menuId_ = menuId;
    menuOwner_ = owner ? owner->widget() : nullptr;
}

void CButtonST::SetMenuCallback(ui::Window* target, int message, long parameter) {
    callbackTarget_ = target ? target->widget() : nullptr;
    callbackMessage_ = message;
    callbackParameter_ = parameter;
}

void CButtonST::FreeResources() {
    iconIn_ = QImage();
    iconOut_ = QImage();
    bitmaps_ = {};
    update();
}

bool CButtonST::pressedNow() const {
    return state_.pressed({isDown(), hasFocus(), !isEnabled()}, menuShowing_);
}

void CButtonST::clicked() {
    setFocus();
    if (state_.click()) {
        update();
        return;
    }
    const ui::MenuSpec* menu = menuId_ ? ui::findMenu(menuId_) : nullptr;
    if (menu && !menu->items.empty()) {
        menuShowing_ = true;
        repaint();
        ui::MenuItem popup = menu->items.front();
        if (ui::Window* target = callbackTarget_ ? ui::windowOf(callbackTarget_) : nullptr) {
            ui::Notification n{this, controlId(), callbackMessage_,
                               buttons::MenuCallback{&popup, callbackParameter_}};
            target->onNotify(n);
        }
        const int command = trackMenu(popup, mapToGlobal(rect().bottomLeft()));
        menuShowing_ = false;
        update();
        ui::Window* owner = menuOwner_ ? ui::windowOf(menuOwner_) : nullptr;
        if (command != 0 && owner) ui::postCommand(*owner, command);
        return;
    }
    if (!state_.url().empty()) ui::Shell::open(state_.url());
}

int CButtonST::trackMenu(const ui::MenuItem& popup, QPoint at) {
    if (tracker_) return tracker_(popup, at);
    QMenu menu(this);
    for (const ui::MenuItem& item : popup.popup) {
        if (item.separator) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromStdU16String(item.text));
        action->setData(item.commandId);
    }
    const QAction* chosen = menu.exec(at);
    return chosen ? chosen->data().toInt() : 0;
}

bool CButtonST::onMouse(ui::MouseKind kind, ui::Point p, ui::KeyMods, int) {
    if (kind != ui::MouseKind::Move || !flat_) return false;
    const bool inside = rect().contains(QPoint(p.x, p.y));
    if (inside && !hovered_) {
        hovered_ = true;
        update();
    } else if (!inside && hovered_) {
        endHover();
    }
    return false;
}

void CButtonST::leaveEvent(QEvent* e) {
    endHover();
    ui::WindowOf<QPushButton>::leaveEvent(e);
}

void CButtonST::changeEvent(QEvent* e) {
    ui::WindowOf<QPushButton>::changeEvent(e);
    // A window that is no longer active has no button under the mouse.
    if (e->type() == QEvent::ActivationChange && !isActiveWindow()) endHover();
}

void CButtonST::endHover() {
    if (!hovered_) return;
    hovered_ = false;
    update();
}

void CButtonST::onEnable(bool enabled) {
    if (enabled) return;
    if (hasFocus()) {
        // A disabled button cannot keep the focus: the next tab stop takes it.
        QWidget* next = nextInFocusChain();
        while (next && next != this && !(next->isEnabled() && next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        if (next && next != this) next->setFocus(Qt::TabFocusReason);
        else if (parentWidget()) parentWidget()->setFocus();
    }
    endHover();
}

void CButtonST::onFocus(bool gained) {
    if (!gained) endHover();
    update();
}

void CButtonST::onSysColourChange() {
    SetDefaultColors(true);
}

void CButtonST::onPaint(ui::DrawContext& dc) {
    const ui::Rect item = clientRect();
    const bool disabled = !isEnabled();
    dc.setBackMode(ui::BkMode::Transparent);
    // Transparent: nothing is filled, so the parent's background shows beneath, always
    // current, where a copy taken once would go stale.
    if (!transparent_) DrawBackground(dc, item);
    DrawBorder(dc, item);
    ui::Rect caption = item;
    const std::u16string text = this->text().toStdU16String();
    if (!iconIn_.isNull()) DrawTheIcon(dc, !text.empty(), item, caption, disabled);
    if (!bitmaps_[0].isNull()) {
        dc.setBackColour(ui::rgb(255, 255, 255));
        DrawTheBitmap(dc, !text.empty(), item, caption, disabled);
    }
    if (!text.empty()) DrawTheText(dc, text, caption, disabled);
    if (hasFocus() && (!flat_ || focusWhenFlat_))
        dc.drawFocusRect(item.inflated(-kFocusInset, -kFocusInset));
}

void CButtonST::DrawBackground(ui::DrawContext& dc, const ui::Rect& r) {
    ui::Rect fill = r;
    // A dialog may make another button its default later; both count.
    if (!flat_ && (hasFocus() || state_.isDefault() || isDefault())) {
        dc.frameRect(fill, ui::rgb(0, 0, 0));
        fill = fill.inflated(-1, -1);
    }
    dc.fillRect(fill, ColourRef(state_.background(hovered_, pressedNow(), hasFocus())));
}

void CButtonST::DrawBorder(ui::DrawContext& dc, const ui::Rect& r) {
    const bool custom = borderColour_.value != buttons::kSystemBorderColours;
    const auto pick = [&](SysColour c) { return custom ? borderColour_ : sysColour(c); };
    const ColourRef shadow = pick(SysColour::ButtonShadow);
    const ColourRef light = pick(SysColour::ButtonHighlight);
    const ColourRef light3d = pick(SysColour::Light3D);
    const ColourRef dark = pick(SysColour::DarkShadow3D);
    const bool pressed = pressedNow();
    if (pressed && flat_) {
        if (drawBorder_) dc.draw3dRect(r, shadow, light);
    } else if (pressed) {
        dc.frameRect(r, shadow);
    } else if (!flat_) {
        dc.draw3dRect(r, light, dark);
        dc.draw3dRect(r.inflated(-1, -1), light3d, shadow);
    } else if (hovered_ && drawBorder_) {
        dc.draw3dRect(r, light, shadow);
    }
}

void CButtonST::DrawTheIcon(ui::DrawContext& dc, bool hasText, const ui::Rect& item,
                            ui::Rect& caption, bool disabled) {
    const bool pressed = pressedNow();
    const QImage& icon =
        buttons::chooseImage(hovered_, pressed, !iconOut_.isNull()) == 0 ? iconIn_ : iconOut_;
    const buttons::ImagePlace place = buttons::placeImage(
        align_, hasText, {item.left, item.top, item.right, item.bottom}, icon.width(),
        icon.height(), pressed && !state_.checkBoxMode(), state_.pressedOffsetX(),
        state_.pressedOffsetY());
    caption = {place.caption.left, place.caption.top, place.caption.right, place.caption.bottom};
    if (disabled) dc.drawDisabled({place.x, place.y}, icon);
    else dc.painter().drawImage(place.x, place.y, icon);
}

void CButtonST::DrawTheBitmap(ui::DrawContext& dc, bool hasText, const ui::Rect& item,
                              ui::Rect& caption, bool disabled) {
    const bool pressed = pressedNow();
    const bool useDisabled = disabled && useDisabledBitmap_ && !bitmaps_[2].isNull();
    const int index =
        useDisabled ? 2 : buttons::chooseImage(hovered_, pressed, !bitmaps_[1].isNull());
    const buttons::ButtonBitmap& b = bitmaps_[index];
    const buttons::ImagePlace place = buttons::placeImage(
        align_, hasText, {item.left, item.top, item.right, item.bottom}, b.image.width(),
        b.image.height(), pressed && !state_.checkBoxMode(), state_.pressedOffsetX(),
        state_.pressedOffsetY());
    caption = {place.caption.left, place.caption.top, place.caption.right, place.caption.bottom};
    if (disabled && !useDisabled) dc.drawDisabled({place.x, place.y}, b.image, &b.mask);
    else dc.maskBlit({place.x, place.y}, b.image, b.mask);
}

void CButtonST::DisabledTextColours(const ui::Rect&, ColourRef& relief, ColourRef& label) const {
    relief = sysColour(SysColour::ButtonHighlight);
    label = sysColour(SysColour::ButtonShadow);
}

void CButtonST::DrawTheText(ui::DrawContext& dc, std::u16string_view text, ui::Rect caption,
                            bool disabled) {
    ui::DcState keep(dc);
    ui::FontSpec font = dc.font();
    font.weight = state_.fontWeight();
    font.charSet = buttons::ButtonState::charSet();
    dc.selectFont(font);
    const bool pressed = pressedNow();
    ui::Rect measured = caption;
    dc.drawText(text, measured, ui::dt::WordBreak | ui::dt::Center | ui::dt::CalcRect);
    const int dy = (caption.height() - measured.height()) / 2;
    ui::Rect place{caption.left, caption.top + dy, caption.right, caption.top + dy + measured.height()};
    if (pressed && !state_.checkBoxMode())
        place = place.offset(state_.pressedOffsetX(), state_.pressedOffsetY());
    const unsigned flags = ui::dt::WordBreak | ui::dt::Center;
    if (disabled) {
        ColourRef relief, label;
        DisabledTextColours(place, relief, label);
        ui::Rect embossed = place.offset(1, 1);
        dc.setTextColour(relief);
        dc.drawText(text, embossed, flags);
        dc.setTextColour(label);
        dc.drawText(text, place, flags);
        return;
    }
    const bool focused = hasFocus();
    dc.setTextColour(ColourRef(state_.text(hovered_, pressed, focused)));
    dc.setBackColour(ColourRef(state_.background(hovered_, pressed, focused)));
    dc.drawText(text, place, flags);
}
