#pragma once

// Editor commands and the table that binds key combinations to them. The table is plain data:
// an editor looks each key press up in it, so replacing the table rebinds the keys.

#include "Exceptions.h"
#include "VirtualKeys.h"

#include <QString>

#include <vector>

Z_EXCEPTION(ESynKeyError, Exception)

enum TSynEditorCommand : int {
    ecNone = 0,
    // Caret movement; each ecSelXxx moves like ecXxx and extends the selection.
    ecLeft, ecRight, ecUp, ecDown, ecWordLeft, ecWordRight, ecLineStart, ecLineEnd,
    ecPageUp, ecPageDown, ecPageTop, ecPageBottom, ecEditorTop, ecEditorBottom,
    ecSelLeft, ecSelRight, ecSelUp, ecSelDown, ecSelWordLeft, ecSelWordRight, ecSelLineStart,
    ecSelLineEnd, ecSelPageUp, ecSelPageDown, ecSelPageTop, ecSelPageBottom, ecSelEditorTop,
    ecSelEditorBottom,
    ecSelectAll,
    // The view moves by a line; the caret stays where it is as long as it stays visible.
    ecScrollUp, ecScrollDown,
    ecGotoMarker0, ecGotoMarker1, ecGotoMarker2, ecGotoMarker3, ecGotoMarker4,
    ecGotoMarker5, ecGotoMarker6, ecGotoMarker7, ecGotoMarker8, ecGotoMarker9,
    ecSetMarker0, ecSetMarker1, ecSetMarker2, ecSetMarker3, ecSetMarker4,
    ecSetMarker5, ecSetMarker6, ecSetMarker7, ecSetMarker8, ecSetMarker9,
    ecMatchBracket,
    ecContextHelp,
    // Editing.
    ecDeleteLastChar, ecDeleteChar, ecDeleteWord, ecDeleteLastWord, ecDeleteEOL, ecDeleteLine,
    ecInsertLine, ecLineBreak, ecTab, ecShiftTab, ecBlockIndent, ecBlockUnindent,
    ecUndo, ecRedo, ecCut, ecCopy, ecPaste, ecToggleMode,
    ecNormalSelect, ecColumnSelect, ecLineSelect,
    ecCommandCount
};

// "ecUp" for ecUp; empty for a value that names no command.
QString EditorCommandToIdent(int command);
// The command of that name (ignoring case), or ecNone.
TSynEditorCommand IdentToEditorCommand(const QString &ident);

// One binding: a virtual key code with the Shift, Ctrl and Alt flags, and its command.
struct TSynEditKeyStroke
{
    quint16 Key = 0;
    TShiftState Shift = 0;
    TSynEditorCommand Command = ecNone;
    bool operator==(const TSynEditKeyStroke &) const = default;
};

// The bindings in the order they were added. A key combination is bound at most once.
class TSynEditKeyStrokes
{
public:
    int Count() const { return int(m_items.size()); }
    const TSynEditKeyStroke &Items(int index) const { return m_items.at(size_t(index)); }
    // Raises ESynKeyError when the combination is bound already.
    void Add(quint16 key, TShiftState shift, TSynEditorCommand command);
    void Delete(int index);
    void Clear() { m_items.clear(); }
    // The index of the binding of the combination, or -1. Only Shift, Ctrl and Alt count.
    int FindKeycode(quint16 key, TShiftState shift) const;
    // The bound command, or ecNone.
    TSynEditorCommand FindCommand(quint16 key, TShiftState shift) const;
    // The index of the first binding of the command, or -1.
    int FindCommandIndex(TSynEditorCommand command) const;
    // The standard bindings (see the .cpp for the table).
    void ResetDefaults();
    bool operator==(const TSynEditKeyStrokes &) const = default;

private:
    std::vector<TSynEditKeyStroke> m_items;
};

// The modifier flags a binding is told apart by.
constexpr TShiftState SynKeyShiftMask = ssShift | ssCtrl | ssAlt;
