#pragma once

// The editor control: multi-line text in a font of its own, a gutter with line numbers and the
// ten position markers in a font of its own, a replaceable key table, and a highlighter that
// it refers to. Drawn by QScintilla; commands that Scintilla lacks are done here.

#include "Controls.h"
#include "Strings.h"
#include "SynEditKeyCmds.h"

#include <array>
#include <functional>

class TSynCustomHighlighter;
class TSynEditLexer;
class TSynEditWidget;

enum TSynSelectionMode { smNormal, smColumn, smLine };

class TSynEdit : public TWinControl
{
    Z_CLASS(TSynEdit)
public:
    static constexpr int MarkerCount = 10;
    // Spaces that block indent and unindent move the lines by.
    static constexpr int BlockIndentSize = 2;

    explicit TSynEdit(TComponent *owner);
    ~TSynEdit() override;

    // The text, one string per line. Changing it changes the editor and typing changes it.
    TStrings *Lines() const { return m_lines; } // owned
    void SetLines(TStrings *lines) { m_lines->Assign(lines); }

    // The font of the line numbers and markers.
    TFont *GutterFont() const { return m_gutterFont; } // owned
    void SetGutterFont(TFont *font) { m_gutterFont->Assign(font); }

    TSynCustomHighlighter *Highlighter() const { return m_highlighter; } // not owned
    void SetHighlighter(TSynCustomHighlighter *highlighter);

    const TSynEditKeyStrokes &Keystrokes() const { return m_keystrokes; }
    void SetKeystrokes(const TSynEditKeyStrokes &keystrokes) { m_keystrokes = keystrokes; }

    // Shapes keyboard and mouse selections alike. Column mode lets a block reach past the end
    // of short lines (virtual space), so the block keeps its width.
    TSynSelectionMode SelectionMode() const { return m_selectionMode; }
    void SetSelectionMode(TSynSelectionMode mode);
    bool InsertMode() const;

    // Caret position, 0-based line and character column.
    int CaretLine() const;
    int CaretColumn() const;
    void SetCaretPos(int line, int column);
    QString SelText() const;

    // Where marker index stands (0-based), or -1 when it is not set.
    int MarkerLine(int index) const;

    // Runs a command as if its key had been pressed.
    void ExecuteCommand(TSynEditorCommand command);

    // Looks the key up in the key table and runs its command; OnKeyDown comes first and can
    // take the key away.
    bool KeyDown(quint16 &key, TShiftState shift) override;

    void Notification(TComponent *component, TOperation operation) override;

    // Framework-internal, from the widget's mouse handling: a left press (extend: with Shift)
    // or a move with the button held at point, in the widget's viewport. False when the mode
    // is the normal one or the point is in the gutter: Scintilla then handles the mouse.
    bool MouseSelect(const QPoint &point, bool press, bool extend);
    void EndMouseSelect() { m_mouseSelecting = false; }

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;
    QString GetText() const override;
    void TextChanged() override;
    void FontChanged() override;
    void ColorChanged() override;

private:
    TSynEditWidget *Editor() const;
    void LinesChanged(TObject *sender);
    void GutterFontChanged(TObject *sender);
    void WidgetTextChanged();
    void ApplyLook();
    void ApplyGutter();
    // Sets the horizontal scroll range to the width of the longest line.
    void FitScrollWidth();
    void DefineMarkers();

    // Commands (SynEditCommands.cpp).
    // Runs move from the caret; with select the selection then reaches from the old anchor
    // to the new caret, shaped by the selection mode.
    // rectExtend: Scintilla's command that extends a column block the same way (0: none).
    void MoveCaret(const std::function<void()> &move, bool select, int rectExtend = 0);
    void LineBreak();

    // Selections (SynEditSelection.cpp).
    void ExtendSelection(long anchor, long caret);
    void SelectLines(long anchor, long caret);
    // Whether the selection is still the one the line mode made last.
    bool LineSelectionCurrent() const;
    void ApplyVirtualSpace();
    // The caret to the first or last fully shown line, in its column.
    void MoveToPage(bool bottom);
    void SetMarker(int index);
    void GotoMarker(int index);
    void BlockIndent(int delta);
    void InsertLine();
    void MatchBracket();

    TStringList *m_lines;
    TFont *m_gutterFont;
    TSynCustomHighlighter *m_highlighter = nullptr;
    TSynEditLexer *m_lexer = nullptr; // owned by the widget
    TSynEditKeyStrokes m_keystrokes;
    TSynSelectionMode m_selectionMode = smNormal;
    // Scintilla's handle of each set marker (-1: not set) and the column it was set at.
    std::array<int, MarkerCount> m_markerHandles;
    std::array<int, MarkerCount> m_markerColumns;
    bool m_syncing = false;
    // The line mode selects whole lines, so Scintilla's caret sits at a line start; the
    // selection's own ends, and the range it set, are kept here.
    long m_lineAnchor = -1;
    long m_lineCaret = -1;
    long m_lineSelStart = -1;
    long m_lineSelEnd = -1;
    bool m_mouseSelecting = false;
};
