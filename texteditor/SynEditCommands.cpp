// The editor commands of TSynEdit: Scintilla's where it has them, the rest done here.

#include "SynEdit.h"

#include "SynEditWidget.h"

#include <functional>

using Sci = QsciScintillaBase;

namespace {

struct TMove
{
    TSynEditorCommand Plain;
    TSynEditorCommand Select;
    int Message; // the Scintilla command that moves the caret without selecting
};

constexpr TMove kMoves[] = {
    {ecLeft, ecSelLeft, Sci::SCI_CHARLEFT},
    {ecRight, ecSelRight, Sci::SCI_CHARRIGHT},
    {ecUp, ecSelUp, Sci::SCI_LINEUP},
    {ecDown, ecSelDown, Sci::SCI_LINEDOWN},
    {ecWordLeft, ecSelWordLeft, Sci::SCI_WORDLEFT},
    {ecWordRight, ecSelWordRight, Sci::SCI_WORDRIGHT},
    {ecLineStart, ecSelLineStart, Sci::SCI_HOME},
    {ecLineEnd, ecSelLineEnd, Sci::SCI_LINEEND},
    {ecPageUp, ecSelPageUp, Sci::SCI_PAGEUP},
    {ecPageDown, ecSelPageDown, Sci::SCI_PAGEDOWN},
    {ecEditorTop, ecSelEditorTop, Sci::SCI_DOCUMENTSTART},
    {ecEditorBottom, ecSelEditorBottom, Sci::SCI_DOCUMENTEND},
};

// Commands that are one Scintilla command each.
struct TSimple
{
    TSynEditorCommand Command;
    int Message;
};

constexpr TSimple kSimple[] = {
    {ecScrollUp, Sci::SCI_LINESCROLLUP},
    {ecScrollDown, Sci::SCI_LINESCROLLDOWN},
    {ecToggleMode, Sci::SCI_EDITTOGGLEOVERTYPE},
    {ecCopy, Sci::SCI_COPY},
    {ecCut, Sci::SCI_CUT},
    {ecPaste, Sci::SCI_PASTE},
    {ecUndo, Sci::SCI_UNDO},
    {ecRedo, Sci::SCI_REDO},
    {ecDeleteChar, Sci::SCI_CLEAR},
    {ecDeleteLastChar, Sci::SCI_DELETEBACK},
    {ecDeleteLastWord, Sci::SCI_DELWORDLEFT},
    {ecDeleteWord, Sci::SCI_DELWORDRIGHT},
    {ecDeleteEOL, Sci::SCI_DELLINERIGHT},
    {ecDeleteLine, Sci::SCI_LINEDELETE},
    {ecLineBreak, Sci::SCI_NEWLINE},
    {ecTab, Sci::SCI_TAB},
    {ecShiftTab, Sci::SCI_BACKTAB},
};

} // namespace

void TSynEdit::ExecuteCommand(TSynEditorCommand command)
{
    TSynEditWidget *editor = Editor();
    for (const TMove &m : kMoves) {
        if (command == m.Plain || command == m.Select) {
            const int message = m.Message;
            MoveCaret([editor, message] { editor->SendScintilla(message); },
                      command == m.Select);
            return;
        }
    }
    for (const TSimple &s : kSimple) {
        if (command == s.Command) {
            editor->SendScintilla(s.Message);
            return;
        }
    }
    if (command >= ecGotoMarker0 && command <= ecGotoMarker9) {
        GotoMarker(command - ecGotoMarker0);
        return;
    }
    if (command >= ecSetMarker0 && command <= ecSetMarker9) {
        SetMarker(command - ecSetMarker0);
        return;
    }
    switch (command) {
    case ecPageTop:
    case ecSelPageTop:
        MoveCaret([this] { MoveToPage(false); }, command == ecSelPageTop);
        break;
    case ecPageBottom:
    case ecSelPageBottom:
        MoveCaret([this] { MoveToPage(true); }, command == ecSelPageBottom);
        break;
    case ecSelectAll: // the caret goes to the end, as after selecting down to it
        editor->SendScintilla(Sci::SCI_SETSEL, 0UL, -1L);
        break;
    case ecBlockIndent:
        BlockIndent(BlockIndentSize);
        break;
    case ecBlockUnindent:
        BlockIndent(-BlockIndentSize);
        break;
    case ecInsertLine:
        InsertLine();
        break;
    case ecMatchBracket:
        MatchBracket();
        break;
    case ecNormalSelect:
        m_selectionMode = smNormal;
        break;
    case ecColumnSelect:
        m_selectionMode = smColumn;
        break;
    case ecLineSelect:
        m_selectionMode = smLine;
        break;
    case ecContextHelp: // there is no help system to ask
    default:
        break;
    }
}

void TSynEdit::MoveCaret(const std::function<void()> &move, bool select)
{
    TSynEditWidget *editor = Editor();
    const bool rect = editor->SendScintilla(Sci::SCI_SELECTIONISRECTANGLE);
    const long caret = editor->SendScintilla(rect ? Sci::SCI_GETRECTANGULARSELECTIONCARET
                                                  : Sci::SCI_GETCURRENTPOS);
    const long anchor = editor->SendScintilla(rect ? Sci::SCI_GETRECTANGULARSELECTIONANCHOR
                                                   : Sci::SCI_GETANCHOR);
    // Moves start from the caret whatever is selected; Scintilla would otherwise jump to an
    // end of the selection.
    editor->SendScintilla(Sci::SCI_SETEMPTYSELECTION, caret);
    move();
    if (select)
        ExtendSelection(anchor, editor->SendScintilla(Sci::SCI_GETCURRENTPOS));
}

void TSynEdit::ExtendSelection(long anchor, long caret)
{
    TSynEditWidget *editor = Editor();
    switch (m_selectionMode) {
    case smNormal:
        editor->SendScintilla(Sci::SCI_SETSEL, anchor, caret);
        break;
    case smColumn:
        editor->SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONANCHOR, anchor);
        editor->SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONCARET, caret);
        editor->SendScintilla(Sci::SCI_SCROLLCARET);
        break;
    case smLine: {
        // Whole lines from the anchor's to the caret's; the caret stays on its line, at the
        // edge of the selection, so the next move goes on from that line.
        const long anchorLine = editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, anchor);
        const long caretLine = editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, caret);
        auto start = [&](long line) {
            return editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, line);
        };
        auto end = [&](long line) {
            return editor->SendScintilla(Sci::SCI_GETLINEENDPOSITION, line);
        };
        if (caretLine >= anchorLine)
            editor->SendScintilla(Sci::SCI_SETSEL, start(anchorLine), end(caretLine));
        else
            editor->SendScintilla(Sci::SCI_SETSEL, end(anchorLine), start(caretLine));
        break;
    }
    }
}

void TSynEdit::MoveToPage(bool bottom)
{
    TSynEditWidget *editor = Editor();
    const long first = editor->SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE);
    const long shown = std::max(1L, editor->SendScintilla(Sci::SCI_LINESONSCREEN));
    long line = editor->SendScintilla(Sci::SCI_DOCLINEFROMVISIBLE,
                                      bottom ? first + shown - 1 : first);
    line = std::min(line, editor->SendScintilla(Sci::SCI_GETLINECOUNT) - 1);
    const long pos = editor->SendScintilla(Sci::SCI_GETCURRENTPOS);
    const long column = editor->SendScintilla(Sci::SCI_GETCOLUMN, pos);
    editor->SendScintilla(Sci::SCI_GOTOPOS,
                          editor->SendScintilla(Sci::SCI_FINDCOLUMN, line, column));
    editor->SendScintilla(Sci::SCI_CHOOSECARETX);
}

void TSynEdit::SetMarker(int index)
{
    TSynEditWidget *editor = Editor();
    const int line = CaretLine();
    int &handle = m_markerHandles[size_t(index)];
    if (handle >= 0) {
        const int was = MarkerLine(index);
        editor->SendScintilla(Sci::SCI_MARKERDELETEHANDLE, handle);
        handle = -1;
        if (was == line)
            return; // setting a marker where it stands takes it away
    }
    handle = int(editor->SendScintilla(Sci::SCI_MARKERADD, line, index));
    m_markerColumns[size_t(index)] = CaretColumn();
}

void TSynEdit::GotoMarker(int index)
{
    const int line = MarkerLine(index);
    if (line < 0)
        return;
    SetCaretPos(line, m_markerColumns[size_t(index)]);
}

void TSynEdit::BlockIndent(int delta)
{
    TSynEditWidget *editor = Editor();
    const long selStart = editor->SendScintilla(Sci::SCI_GETSELECTIONSTART);
    const long selEnd = editor->SendScintilla(Sci::SCI_GETSELECTIONEND);
    const long first = editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, selStart);
    long last = editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, selEnd);
    // A selection that ends at the start of a line does not take that line along.
    if (last > first && editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, last) == selEnd)
        --last;
    editor->SendScintilla(Sci::SCI_BEGINUNDOACTION);
    for (long line = first; line <= last; ++line) {
        const long indent = editor->SendScintilla(Sci::SCI_GETLINEINDENTATION, line);
        editor->SendScintilla(Sci::SCI_SETLINEINDENTATION, line, std::max(0L, indent + delta));
    }
    editor->SendScintilla(Sci::SCI_ENDUNDOACTION);
}

void TSynEdit::InsertLine()
{
    // A line break after the caret: the caret stays where it is.
    TSynEditWidget *editor = Editor();
    editor->SendScintilla(Sci::SCI_REPLACESEL, "");
    const long pos = editor->SendScintilla(Sci::SCI_GETCURRENTPOS);
    editor->SendScintilla(Sci::SCI_INSERTTEXT, pos, "\n");
    editor->SendScintilla(Sci::SCI_GOTOPOS, pos);
    editor->SendScintilla(Sci::SCI_CHOOSECARETX);
}

void TSynEdit::MatchBracket()
{
    // The bracket at the caret, else the one just before it.
    TSynEditWidget *editor = Editor();
    const long pos = editor->SendScintilla(Sci::SCI_GETCURRENTPOS);
    long match = editor->SendScintilla(Sci::SCI_BRACEMATCH, pos, 0L);
    if (match < 0 && pos > 0)
        match = editor->SendScintilla(Sci::SCI_BRACEMATCH, pos - 1, 0L);
    if (match < 0)
        return;
    editor->SendScintilla(Sci::SCI_GOTOPOS, match);
    editor->SendScintilla(Sci::SCI_CHOOSECARETX);
}
