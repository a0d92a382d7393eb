#include "platform/ui/Messages.h"

#include <array>
#include <utility>

namespace ui {
namespace {

constexpr std::array<std::pair<int, Key>, 21> kKeys = {{
    {Qt::Key_Backspace, Key::Back}, {Qt::Key_Tab, Key::Tab}, {Qt::Key_Backtab, Key::Tab},
    {Qt::Key_Return, Key::Return}, {Qt::Key_Enter, Key::Return}, {Qt::Key_Shift, Key::Shift},
    {Qt::Key_Control, Key::Control}, {Qt::Key_Alt, Key::Menu}, {Qt::Key_Escape, Key::Escape},
    {Qt::Key_Space, Key::Space}, {Qt::Key_PageUp, Key::Prior}, {Qt::Key_PageDown, Key::Next},
    {Qt::Key_End, Key::End}, {Qt::Key_Home, Key::Home}, {Qt::Key_Left, Key::Left},
    {Qt::Key_Up, Key::Up}, {Qt::Key_Right, Key::Right}, {Qt::Key_Down, Key::Down},
    {Qt::Key_Insert, Key::Insert}, {Qt::Key_Delete, Key::Delete}, {Qt::Key_F1, Key::F1},
}};

}  // namespace

Key keyFromQt(int q) {
    if ((q >= Qt::Key_A && q <= Qt::Key_Z) || (q >= Qt::Key_0 && q <= Qt::Key_9))
        return static_cast<Key>(q);
    if (q >= Qt::Key_F1 && q <= Qt::Key_F24) return static_cast<Key>(112 + (q - Qt::Key_F1));
    for (const auto& [qt, key] : kKeys)
        if (qt == q) return key;
    return Key::None;
}

int qtFromKey(Key key) {
    const int k = static_cast<int>(key);
    if ((k >= 'A' && k <= 'Z') || (k >= '0' && k <= '9')) return k;
    if (k >= 112 && k <= 135) return Qt::Key_F1 + (k - 112);
    for (const auto& [qt, vk] : kKeys)
        if (vk == key) return qt;
    return 0;
}

KeyMods modsFromQt(Qt::KeyboardModifiers m) {
    return {m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier),
            m.testFlag(Qt::AltModifier)};
}

Msg msgOf(MouseKind kind) {
    switch (kind) {
        case MouseKind::Move: return Msg::MouseMove;
        case MouseKind::LeftDown: return Msg::LButtonDown;
        case MouseKind::LeftUp: return Msg::LButtonUp;
        case MouseKind::LeftDouble: return Msg::LButtonDblClk;
        case MouseKind::RightDown: return Msg::RButtonDown;
        case MouseKind::RightUp: return Msg::RButtonUp;
        case MouseKind::RightDouble: return Msg::RButtonDblClk;
        case MouseKind::MiddleDown: return Msg::MButtonDown;
        case MouseKind::MiddleUp: return Msg::MButtonUp;
        case MouseKind::Wheel: return Msg::MouseWheel;
        case MouseKind::Leave: return Msg::MouseLeave;
    }
    return Msg::Unknown;
}

Qt::CursorShape toQtCursor(CursorShape shape) {
    switch (shape) {
        case CursorShape::SizeNS: return Qt::SizeVerCursor;
        case CursorShape::SizeWE: return Qt::SizeHorCursor;
        case CursorShape::Hand: return Qt::PointingHandCursor;
        case CursorShape::Wait: return Qt::WaitCursor;
        case CursorShape::IBeam: return Qt::IBeamCursor;
        case CursorShape::Cross: return Qt::CrossCursor;
        case CursorShape::Keep:
        case CursorShape::Arrow: break;
    }
    return Qt::ArrowCursor;
}

}  // namespace ui
