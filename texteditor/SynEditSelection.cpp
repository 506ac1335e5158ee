// The selection modes of TSynEdit: a stream of characters, a column block, whole lines. The
// keyboard's selecting moves and the mouse share them.

#include "SynEdit.h"

#include "SynEditWidget.h"

#include <cmath>

using Sci = QsciScintillaBase;

namespace {

// Where a point of the viewport falls in the text: a position, and the columns of virtual
// space past the end of a short line.
struct TTextPoint
{
    long Pos = 0;
    long Virtual = 0;
};

TTextPoint TextPointAt(TSynEditWidget *editor, const QPoint &point)
{
    TTextPoint result;
    result.Pos = editor->SendScintilla(Sci::SCI_POSITIONFROMPOINT, (unsigned long)point.x(),
                                       long(point.y()));
    const long line = editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, result.Pos);
    const long lineEnd = editor->SendScintilla(Sci::SCI_GETLINEENDPOSITION, line);
    if (result.Pos == lineEnd) {
        const long endX = editor->SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, lineEnd);
        const long space = std::max(1L, editor->SendScintilla(Sci::SCI_TEXTWIDTH,
                                                              (unsigned long)Sci::STYLE_DEFAULT,
                                                              " "));
        result.Virtual = std::max(0L, std::lround(double(point.x() - endX) / double(space)));
    }
    return result;
}

// Whether x lies left of the text, in the gutter.
bool InGutter(TSynEditWidget *editor, int x)
{
    long gutter = 0;
    for (unsigned long m = 0; m < 5; ++m)
        gutter += editor->SendScintilla(Sci::SCI_GETMARGINWIDTHN, m);
    return x < gutter;
}

} // namespace

void TSynEdit::SetSelectionMode(TSynSelectionMode mode)
{
    m_selectionMode = mode;
    m_lineSelStart = m_lineSelEnd = -1;
    ApplyVirtualSpace();
}

void TSynEdit::ApplyVirtualSpace()
{
    if (!HandleAllocated())
        return;
    Editor()->SendScintilla(Sci::SCI_SETVIRTUALSPACEOPTIONS,
                            m_selectionMode == smColumn ? Sci::SCVS_RECTANGULARSELECTION : 0);
}

void TSynEdit::ExtendSelection(long anchor, long caret)
{
    TSynEditWidget *editor = Editor();
    switch (m_selectionMode) {
    case smNormal:
        editor->SendScintilla(Sci::SCI_SETSEL, anchor, caret);
        break;
    case smColumn: {
        // The anchor keeps the virtual space it had.
        const bool rect = editor->SendScintilla(Sci::SCI_SELECTIONISRECTANGLE);
        const long anchorVirtual =
            rect ? editor->SendScintilla(Sci::SCI_GETRECTANGULARSELECTIONANCHORVIRTUALSPACE) : 0;
        editor->SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONANCHOR, anchor);
        editor->SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONANCHORVIRTUALSPACE, anchorVirtual);
        editor->SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONCARET, caret);
        editor->SendScintilla(Sci::SCI_SCROLLCARET);
        break;
    }
    case smLine:
        SelectLines(anchor, caret);
        break;
    }
}

void TSynEdit::SelectLines(long anchor, long caret)
{
    // Whole lines from the anchor's to the caret's, the last one with its line break, so that
    // cutting them leaves no empty line behind.
    TSynEditWidget *editor = Editor();
    const long anchorLine = editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, anchor);
    const long caretLine = editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, caret);
    auto start = [&](long line) {
        // One line past the last is the end of the text.
        return editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, line);
    };
    const long first = std::min(anchorLine, caretLine);
    const long last = std::max(anchorLine, caretLine);
    m_lineSelStart = start(first);
    m_lineSelEnd = start(last + 1);
    if (caretLine >= anchorLine)
        editor->SendScintilla(Sci::SCI_SETSEL, m_lineSelStart, m_lineSelEnd);
    else
        editor->SendScintilla(Sci::SCI_SETSEL, m_lineSelEnd, m_lineSelStart);
    m_lineAnchor = anchor;
    m_lineCaret = caret;
}

bool TSynEdit::LineSelectionCurrent() const
{
    if (m_selectionMode != smLine || m_lineSelStart < 0)
        return false;
    TSynEditWidget *editor = Editor();
    return !editor->SendScintilla(Sci::SCI_SELECTIONISRECTANGLE)
        && editor->SendScintilla(Sci::SCI_GETSELECTIONS) == 1
        && editor->SendScintilla(Sci::SCI_GETSELECTIONSTART) == m_lineSelStart
        && editor->SendScintilla(Sci::SCI_GETSELECTIONEND) == m_lineSelEnd;
}

bool TSynEdit::MouseSelect(const QPoint &point, bool press, bool extend)
{
    TSynEditWidget *editor = Editor();
    if (press) {
        m_mouseSelecting = m_selectionMode != smNormal && !InGutter(editor, point.x());
        if (!m_mouseSelecting)
            return false;
    } else if (!m_mouseSelecting) {
        return false;
    }
    const TTextPoint at = TextPointAt(editor, point);
    if (m_selectionMode == smLine) {
        long anchor = at.Pos;
        if (!press || extend) {
            anchor = LineSelectionCurrent() ? m_lineAnchor
                                            : editor->SendScintilla(Sci::SCI_GETANCHOR);
        }
        SelectLines(anchor, at.Pos);
        editor->SendScintilla(Sci::SCI_SCROLLCARET);
        return true;
    }
    // Column mode: the block runs from the anchor to the point, into virtual space.
    const bool rect = editor->SendScintilla(Sci::SCI_SELECTIONISRECTANGLE);
    if (press && !extend) {
        editor->SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONANCHOR, at.Pos);
        editor->SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONANCHORVIRTUALSPACE, at.Virtual);
    } else if (!rect) {
        editor->SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONANCHOR,
                              editor->SendScintilla(Sci::SCI_GETANCHOR));
    } else {
        // Setting the caret alone keeps the block's anchor with its virtual space.
    }
    editor->SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONCARET, at.Pos);
    editor->SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONCARETVIRTUALSPACE, at.Virtual);
    editor->SendScintilla(Sci::SCI_SCROLLCARET);
    return true;
}
