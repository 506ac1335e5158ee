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
    int RectExtend; // the one that extends a column block alike (0: none)
};

constexpr TMove kMoves[] = {
    {ecLeft, ecSelLeft, Sci::SCI_CHARLEFT, Sci::SCI_CHARLEFTRECTEXTEND},
    {ecRight, ecSelRight, Sci::SCI_CHARRIGHT, Sci::SCI_CHARRIGHTRECTEXTEND},
    {ecUp, ecSelUp, Sci::SCI_LINEUP, Sci::SCI_LINEUPRECTEXTEND},
    {ecDown, ecSelDown, Sci::SCI_LINEDOWN, Sci::SCI_LINEDOWNRECTEXTEND},
    {ecWordLeft, ecSelWordLeft, Sci::SCI_WORDLEFT, 0},
    {ecWordRight, ecSelWordRight, Sci::SCI_WORDRIGHT, 0},
    {ecLineStart, ecSelLineStart, Sci::SCI_HOME, Sci::SCI_HOMERECTEXTEND},
    {ecLineEnd, ecSelLineEnd, Sci::SCI_LINEEND, Sci::SCI_LINEENDRECTEXTEND},
    {ecPageUp, ecSelPageUp, Sci::SCI_PAGEUP, Sci::SCI_PAGEUPRECTEXTEND},
    {ecPageDown, ecSelPageDown, Sci::SCI_PAGEDOWN, Sci::SCI_PAGEDOWNRECTEXTEND},
    {ecEditorTop, ecSelEditorTop, Sci::SCI_DOCUMENTSTART, 0},
    {ecEditorBottom, ecSelEditorBottom, Sci::SCI_DOCUMENTEND, 0},
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
                      command == m.Select, m.RectExtend);
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
    case ecLineBreak:
        LineBreak();
        break;
    case ecNormalSelect:
        SetSelectionMode(smNormal);
        break;
    case ecColumnSelect:
        SetSelectionMode(smColumn);
        break;
    case ecLineSelect:
        SetSelectionMode(smLine);
        break;
    case ecContextHelp: // there is no help system to ask
    default:
        break;
    }
}

void TSynEdit::MoveCaret(const std::function<void()> &move, bool select, int rectExtend)
{
    TSynEditWidget *editor = Editor();
    if (select && rectExtend && m_selectionMode == smColumn) {
        // Scintilla's own column moves; a move up or down keeps the caret's column on a short
        // line by virtual space, so the block keeps its width.
        const bool wasRect = editor->SendScintilla(Sci::SCI_SELECTIONISRECTANGLE);
        const long from = wasRect ? editor->SendScintilla(Sci::SCI_GETRECTANGULARSELECTIONCARET)
                                  : editor->SendScintilla(Sci::SCI_GETCURRENTPOS);
        const long column = editor->SendScintilla(Sci::SCI_GETCOLUMN, from)
            + (wasRect ? editor->SendScintilla(
                   Sci::SCI_GETRECTANGULARSELECTIONCARETVIRTUALSPACE) : 0);
        editor->SendScintilla(rectExtend);
        const bool vertical = rectExtend == Sci::SCI_LINEUPRECTEXTEND
            || rectExtend == Sci::SCI_LINEDOWNRECTEXTEND || rectExtend == Sci::SCI_PAGEUPRECTEXTEND
            || rectExtend == Sci::SCI_PAGEDOWNRECTEXTEND;
        const long caret = editor->SendScintilla(Sci::SCI_GETRECTANGULARSELECTIONCARET);
        const long line = editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, caret);
        const long reached = editor->SendScintilla(Sci::SCI_GETCOLUMN, caret);
        if (vertical && reached < column
            && caret == editor->SendScintilla(Sci::SCI_GETLINEENDPOSITION, line)) {
            editor->SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONCARETVIRTUALSPACE,
                                  column - reached);
        }
        return;
    }
    const bool rect = editor->SendScintilla(Sci::SCI_SELECTIONISRECTANGLE);
    long caret = editor->SendScintilla(rect ? Sci::SCI_GETRECTANGULARSELECTIONCARET
                                            : Sci::SCI_GETCURRENTPOS);
    long anchor = editor->SendScintilla(rect ? Sci::SCI_GETRECTANGULARSELECTIONANCHOR
                                             : Sci::SCI_GETANCHOR);
    if (LineSelectionCurrent()) {
        caret = m_lineCaret;
        anchor = m_lineAnchor;
    }
    // Moves start from the caret whatever is selected; Scintilla would otherwise jump to an
    // end of the selection.
    editor->SendScintilla(Sci::SCI_SETEMPTYSELECTION, caret);
    move();
    if (select)
        ExtendSelection(anchor, editor->SendScintilla(Sci::SCI_GETCURRENTPOS));
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

void TSynEdit::LineBreak()
{
    // The new line starts with the indentation of the line it was broken from, as far as
    // that indentation reaches left of the caret.
    TSynEditWidget *editor = Editor();
    editor->SendScintilla(Sci::SCI_BEGINUNDOACTION);
    editor->SendScintilla(Sci::SCI_REPLACESEL, "");
    const long pos = editor->SendScintilla(Sci::SCI_GETCURRENTPOS);
    const long line = editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, pos);
    const long start = editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, line);
    const long indentEnd = editor->SendScintilla(Sci::SCI_GETLINEINDENTPOSITION, line);
    const long copied = std::max(0L, std::min(pos, indentEnd) - start);
    QByteArray indent(copied + 1, '\0');
    if (copied > 0)
        editor->SendScintilla(Sci::SCI_GETTEXTRANGE, int(start), int(start + copied),
                              indent.data());
    indent.truncate(copied);
    editor->SendScintilla(Sci::SCI_NEWLINE);
    if (!indent.isEmpty())
        editor->SendScintilla(Sci::SCI_REPLACESEL, indent.constData());
    editor->SendScintilla(Sci::SCI_ENDUNDOACTION);
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
