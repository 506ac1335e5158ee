#pragma once

// Keyboard shortcuts: a virtual key code in the low byte and the modifiers in the high bits,
// with their texts ("Shift+Ctrl+F1"), as menu items and the inspector show and read them.

#include "VirtualKeys.h"

#include <QList>
#include <QString>

constexpr quint16 scShift = 0x2000;
constexpr quint16 scCtrl = 0x4000;
constexpr quint16 scAlt = 0x8000;
constexpr quint16 scNone = 0;

// The name of a virtual key as shortcut texts spell it ("BkSp", "PgUp", "F1", "A", "0"); empty
// for keys that have none.
QString ShortCutKeyName(int key);

// Modifier prefixes in the order "Shift+", "Ctrl+", "Alt+", then the key's name. A shortcut whose
// key has no name has no text ("").
QString ShortCutToText(quint16 shortCut);
// Reads modifier prefixes (in any order) and a key name, all ignoring case and surrounding
// blanks; 0 for text that names no shortcut.
quint16 TextToShortCut(const QString &text);

// The shortcut of key (0..255) with the Shift, Ctrl and Alt flags of shift; 0 for a key outside
// the byte.
quint16 ShortCut(quint16 key, TShiftState shift);
// The key and the Shift, Ctrl and Alt flags of a shortcut.
void ShortCutToKey(quint16 shortCut, quint16 &key, TShiftState &shift);

// The shortcuts offered for choice, in the order they are listed: Ctrl+A..Ctrl+Z, F1..F12,
// Ctrl+F1.., Shift+F1.., Shift+Ctrl+F1.., Ins, Shift+Ins, Ctrl+Ins, Del, Shift+Del, Ctrl+Del,
// Alt+BkSp, Shift+Alt+BkSp.
QList<quint16> StandardShortCuts();
