#pragma once

// The classic numbering of keys, mouse buttons and modifiers that the framework keeps inside:
// virtual key codes, the key-state word of mouse messages and the shift state of handlers.

#include <QtGlobal>
#include <Qt>

class QKeyEvent;

constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_CLEAR = 0x0C;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12; // Alt
constexpr int VK_PAUSE = 0x13;
constexpr int VK_CAPITAL = 0x14;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_SNAPSHOT = 0x2C;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_HELP = 0x2F;
constexpr int VK_0 = 0x30; // '0'..'9' are 0x30..0x39
constexpr int VK_A = 0x41; // 'A'..'Z' are 0x41..0x5A
constexpr int VK_LWIN = 0x5B;
constexpr int VK_APPS = 0x5D;
constexpr int VK_NUMPAD0 = 0x60; // .. VK_NUMPAD9 0x69
constexpr int VK_MULTIPLY = 0x6A;
constexpr int VK_ADD = 0x6B;
constexpr int VK_SUBTRACT = 0x6D;
constexpr int VK_DECIMAL = 0x6E;
constexpr int VK_DIVIDE = 0x6F;
constexpr int VK_F1 = 0x70;
constexpr int VK_F2 = 0x71;
constexpr int VK_F3 = 0x72;
constexpr int VK_F4 = 0x73;
constexpr int VK_F5 = 0x74;
constexpr int VK_F6 = 0x75;
constexpr int VK_F7 = 0x76;
constexpr int VK_F8 = 0x77;
constexpr int VK_F9 = 0x78;
constexpr int VK_F10 = 0x79;
constexpr int VK_F11 = 0x7A;
constexpr int VK_F12 = 0x7B;
constexpr int VK_F24 = 0x87; // F13..F24 follow F12
constexpr int VK_NUMLOCK = 0x90;
constexpr int VK_SCROLL = 0x91;
constexpr int VK_OEM_1 = 0xBA;      // ';' ':'
constexpr int VK_OEM_PLUS = 0xBB;   // '=' '+'
constexpr int VK_OEM_COMMA = 0xBC;  // ',' '<'
constexpr int VK_OEM_MINUS = 0xBD;  // '-' '_'
constexpr int VK_OEM_PERIOD = 0xBE; // '.' '>'
constexpr int VK_OEM_2 = 0xBF;      // '/' '?'
constexpr int VK_OEM_3 = 0xC0;      // '`' '~'
constexpr int VK_OEM_4 = 0xDB;      // '[' '{'
constexpr int VK_OEM_5 = 0xDC;      // '\' '|'
constexpr int VK_OEM_6 = 0xDD;      // ']' '}'
constexpr int VK_OEM_7 = 0xDE;      // '\'' '"'
constexpr int VK_OEM_102 = 0xE2;    // the extra key beside the left Shift on 102-key keyboards

// The key-state word of mouse messages.
constexpr quint16 MK_LBUTTON = 0x01;
constexpr quint16 MK_RBUTTON = 0x02;
constexpr quint16 MK_SHIFT = 0x04;
constexpr quint16 MK_CONTROL = 0x08;
constexpr quint16 MK_MBUTTON = 0x10;

// The shift state handed to key and mouse handlers: a set of the flags below.
using TShiftState = quint32;
constexpr TShiftState ssShift = 0x01;
constexpr TShiftState ssAlt = 0x02;
constexpr TShiftState ssCtrl = 0x04;
constexpr TShiftState ssLeft = 0x08;
constexpr TShiftState ssRight = 0x10;
constexpr TShiftState ssMiddle = 0x20;
constexpr TShiftState ssDouble = 0x40;

// The virtual key code of a key: the key's own, unshifted code, whatever character the layout and
// the modifiers made of it (Shift+3 is VK '3' with Shift although Qt reports '#').
// - A Latin letter takes the letter Qt reports, so letters follow the layout (Ctrl+Z is the key
//   marked Z on a German keyboard too); lower case maps to upper.
// - Other keys of the main block take their position from the native scan code (XKB keycodes,
//   evdev + 8, as X11 and Wayland report them), in the US layout's terms; this also gives
//   letters on non-Latin layouts their Latin code.
// - Without a scan code (0, as on the offscreen platform and in synthesized events) the Qt key
//   decides, with the US layout's shifted symbols taken back to their key ('#' is '3', '_' is
//   VK_OEM_MINUS). Keypad keys (Qt::KeypadModifier) give the VK_NUMPAD codes.
// 0 when the key has no virtual key code.
int VirtualKeyFromQt(int qtKey, quint32 nativeScanCode, Qt::KeyboardModifiers modifiers);
int VirtualKeyOf(const QKeyEvent *event);

// ssDouble is never set here: the caller adds it for a double click.
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
quint16 KeyStateWordOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
