#pragma once
// Numbers of the desktop's window messages and virtual keys, kept because stored texts
// ("Message: %u") and the control code are written in them. Qt events are translated to
// these by ui::WindowOf<>; nothing here is sent anywhere.
#include <Qt>

namespace ui {

enum class Msg : unsigned {
    Create = 1, Size = 5, SetFocus = 7, KillFocus = 8, Enable = 10, Paint = 15, Close = 16,
    EraseBackground = 20, SysColourChange = 21, SetCursor = 32, SetFont = 48, Notify = 78,
    KeyDown = 256, KeyUp = 257, Char = 258, InitDialog = 272, Command = 273, Timer = 275,
    HScroll = 276, VScroll = 277, MouseMove = 512, LButtonDown = 513, LButtonUp = 514,
    LButtonDblClk = 515, RButtonDown = 516, RButtonUp = 517, RButtonDblClk = 518,
    MButtonDown = 519, MButtonUp = 520, MouseWheel = 522, CaptureChanged = 533,
    MouseLeave = 675, Unknown = 0
};

// Virtual-key codes. Note that 33..40 are keys here (page up .. down), not the
// characters '!'..'(' that onChar receives.
enum class Key : int {
    None = 0, Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Escape = 27,
    Space = 32, Prior = 33, Next = 34, End = 35, Home = 36, Left = 37, Up = 38, Right = 39,
    Down = 40, Insert = 45, Delete = 46, Digit0 = '0', Digit9 = '9', A = 'A', C = 'C', V = 'V',
    X = 'X', Z = 'Z', F1 = 112, F2 = 113, F12 = 123
};

// The virtual key of a Qt key (letters and digits keep their codes); Key::None if none.
Key keyFromQt(int qtKey);
int qtFromKey(Key key);

struct KeyMods {
    bool shift = false, ctrl = false, alt = false;
    friend bool operator==(const KeyMods&, const KeyMods&) = default;
};
KeyMods modsFromQt(Qt::KeyboardModifiers m);

enum class MouseKind { Move, LeftDown, LeftUp, LeftDouble, RightDown, RightUp, RightDouble,
                       MiddleDown, MiddleUp, Wheel, Leave };
Msg msgOf(MouseKind kind);

// Command ids of the standard dialog buttons.
inline constexpr int kIdOk = 1, kIdCancel = 2, kIdHelp = 9;

enum class CursorShape { Keep, Arrow, SizeNS, SizeWE, Hand, Wait, IBeam, Cross };
Qt::CursorShape toQtCursor(CursorShape shape);

}  // namespace ui
