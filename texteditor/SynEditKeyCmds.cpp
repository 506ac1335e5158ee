#include "SynEditKeyCmds.h"

#include "ShortCuts.h"

#include <algorithm>

namespace {

const char *const kCommandNames[ecCommandCount] = {
    "ecNone",
    "ecLeft", "ecRight", "ecUp", "ecDown", "ecWordLeft", "ecWordRight", "ecLineStart",
    "ecLineEnd", "ecPageUp", "ecPageDown", "ecPageTop", "ecPageBottom", "ecEditorTop",
    "ecEditorBottom",
    "ecSelLeft", "ecSelRight", "ecSelUp", "ecSelDown", "ecSelWordLeft", "ecSelWordRight",
    "ecSelLineStart", "ecSelLineEnd", "ecSelPageUp", "ecSelPageDown", "ecSelPageTop",
    "ecSelPageBottom", "ecSelEditorTop", "ecSelEditorBottom",
    "ecSelectAll",
    "ecScrollUp", "ecScrollDown",
    "ecGotoMarker0", "ecGotoMarker1", "ecGotoMarker2", "ecGotoMarker3", "ecGotoMarker4",
    "ecGotoMarker5", "ecGotoMarker6", "ecGotoMarker7", "ecGotoMarker8", "ecGotoMarker9",
    "ecSetMarker0", "ecSetMarker1", "ecSetMarker2", "ecSetMarker3", "ecSetMarker4",
    "ecSetMarker5", "ecSetMarker6", "ecSetMarker7", "ecSetMarker8", "ecSetMarker9",
    "ecMatchBracket",
    "ecContextHelp",
    "ecDeleteLastChar", "ecDeleteChar", "ecDeleteWord", "ecDeleteLastWord", "ecDeleteEOL",
    "ecDeleteLine", "ecInsertLine", "ecLineBreak", "ecTab", "ecShiftTab", "ecBlockIndent",
    "ecBlockUnindent", "ecUndo", "ecRedo", "ecCut", "ecCopy", "ecPaste", "ecToggleMode",
    "ecNormalSelect", "ecColumnSelect", "ecLineSelect",
};

constexpr TShiftState S = ssShift;
constexpr TShiftState C = ssCtrl;
constexpr TShiftState A = ssAlt;

// The standard bindings, in the order the key-table documentation of the code editor lists
// them: 82 bindings for 74 commands.
constexpr TSynEditKeyStroke kDefaults[] = {
    {VK_UP, 0, ecUp}, {VK_UP, S, ecSelUp}, {VK_UP, C, ecScrollUp},
    {VK_DOWN, 0, ecDown}, {VK_DOWN, S, ecSelDown}, {VK_DOWN, C, ecScrollDown},
    {VK_LEFT, 0, ecLeft}, {VK_LEFT, S, ecSelLeft}, {VK_LEFT, C, ecWordLeft},
    {VK_LEFT, S | C, ecSelWordLeft},
    {VK_RIGHT, 0, ecRight}, {VK_RIGHT, S, ecSelRight}, {VK_RIGHT, C, ecWordRight},
    {VK_RIGHT, S | C, ecSelWordRight},
    {VK_NEXT, 0, ecPageDown}, {VK_NEXT, S, ecSelPageDown}, {VK_NEXT, C, ecPageBottom},
    {VK_NEXT, S | C, ecSelPageBottom},
    {VK_PRIOR, 0, ecPageUp}, {VK_PRIOR, S, ecSelPageUp}, {VK_PRIOR, C, ecPageTop},
    {VK_PRIOR, S | C, ecSelPageTop},
    {VK_HOME, 0, ecLineStart}, {VK_HOME, S, ecSelLineStart}, {VK_HOME, C, ecEditorTop},
    {VK_HOME, S | C, ecSelEditorTop},
    {VK_END, 0, ecLineEnd}, {VK_END, S, ecSelLineEnd}, {VK_END, C, ecEditorBottom},
    {VK_END, S | C, ecSelEditorBottom},
    {VK_INSERT, 0, ecToggleMode},
    {VK_INSERT, C, ecCopy}, {'C', C, ecCopy},
    {VK_DELETE, S, ecCut}, {'X', C, ecCut},
    {VK_INSERT, S, ecPaste}, {'V', C, ecPaste},
    {VK_DELETE, 0, ecDeleteChar},
    {VK_BACK, 0, ecDeleteLastChar}, {VK_BACK, S, ecDeleteLastChar},
    {VK_BACK, C, ecDeleteLastWord},
    {VK_BACK, A, ecUndo}, {'Z', C, ecUndo},
    {VK_BACK, S | A, ecRedo}, {'Z', S | C, ecRedo},
    {VK_RETURN, 0, ecLineBreak}, {VK_RETURN, S, ecLineBreak}, {'M', C, ecLineBreak},
    {VK_TAB, 0, ecTab}, {VK_TAB, S, ecShiftTab},
    {VK_F1, C, ecContextHelp},
    {'A', C, ecSelectAll},
    {'I', S | C, ecBlockIndent}, {'U', S | C, ecBlockUnindent},
    {'N', C, ecInsertLine},
    {'T', C, ecDeleteWord},
    {'Y', C, ecDeleteLine}, {'Y', S | C, ecDeleteEOL},
    {'0', C, ecGotoMarker0}, {'1', C, ecGotoMarker1}, {'2', C, ecGotoMarker2},
    {'3', C, ecGotoMarker3}, {'4', C, ecGotoMarker4}, {'5', C, ecGotoMarker5},
    {'6', C, ecGotoMarker6}, {'7', C, ecGotoMarker7}, {'8', C, ecGotoMarker8},
    {'9', C, ecGotoMarker9},
    {'0', S | C, ecSetMarker0}, {'1', S | C, ecSetMarker1}, {'2', S | C, ecSetMarker2},
    {'3', S | C, ecSetMarker3}, {'4', S | C, ecSetMarker4}, {'5', S | C, ecSetMarker5},
    {'6', S | C, ecSetMarker6}, {'7', S | C, ecSetMarker7}, {'8', S | C, ecSetMarker8},
    {'9', S | C, ecSetMarker9},
    {'N', S | C, ecNormalSelect}, {'C', S | C, ecColumnSelect}, {'L', S | C, ecLineSelect},
    {'B', S | C, ecMatchBracket},
};

} // namespace

QString EditorCommandToIdent(int command)
{
    if (command <= ecNone || command >= ecCommandCount)
        return QString();
    return QString::fromLatin1(kCommandNames[command]);
}

TSynEditorCommand IdentToEditorCommand(const QString &ident)
{
    for (int c = ecNone + 1; c < ecCommandCount; ++c) {
        if (ident.compare(QLatin1String(kCommandNames[c]), Qt::CaseInsensitive) == 0)
            return TSynEditorCommand(c);
    }
    return ecNone;
}

void TSynEditKeyStrokes::Add(quint16 key, TShiftState shift, TSynEditorCommand command)
{
    shift &= SynKeyShiftMask;
    if (FindKeycode(key, shift) >= 0)
        throw ESynKeyError(QStringLiteral("Shortcut %1 is bound already")
                               .arg(ShortCutToText(ShortCut(key, shift))));
    m_items.push_back({key, shift, command});
}

void TSynEditKeyStrokes::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    m_items.erase(m_items.begin() + index);
}

int TSynEditKeyStrokes::FindKeycode(quint16 key, TShiftState shift) const
{
    shift &= SynKeyShiftMask;
    const auto it = std::find_if(m_items.begin(), m_items.end(), [&](const auto &k) {
        return k.Key == key && k.Shift == shift;
    });
    return it == m_items.end() ? -1 : int(it - m_items.begin());
}

TSynEditorCommand TSynEditKeyStrokes::FindCommand(quint16 key, TShiftState shift) const
{
    const int index = FindKeycode(key, shift);
    return index < 0 ? ecNone : m_items[size_t(index)].Command;
}

int TSynEditKeyStrokes::FindCommandIndex(TSynEditorCommand command) const
{
    const auto it = std::find_if(m_items.begin(), m_items.end(),
                                 [&](const auto &k) { return k.Command == command; });
    return it == m_items.end() ? -1 : int(it - m_items.begin());
}

void TSynEditKeyStrokes::ResetDefaults()
{
    m_items.clear();
    for (const TSynEditKeyStroke &k : kDefaults)
        Add(k.Key, k.Shift, k.Command);
}
