#pragma once

// The rich edit: a memo whose text carries character and paragraph formatting. The formatted
// text lives in a document the control owns, with or without a widget; Lines holds the plain
// text and follows it both ways. SelAttributes and Paragraph read and change the formatting
// of the selection, DefAttributes that of text without formatting of its own. Lines load and
// save RTF unless PlainText is set.

#include "ComCtrls.h"

#include <QTextCursor>
#include <QTextFormat>

class QTextDocument;
class QTextEdit;
class TCustomRichEdit;

using TRichEditProtectChange = TEvent<TObject *, int, int, bool &>;
using TRichEditResizeEvent = TEvent<TObject *, QRect>;
using TRichEditSaveClipboard = TEvent<TObject *, int, int, bool &>;
PTypeInfo TypeInfoTRichEditProtectChange();
PTypeInfo TypeInfoTRichEditResizeEvent();
PTypeInfo TypeInfoTRichEditSaveClipboard();

enum TAttributeType { atSelected, atDefaultText };
// Which attributes are the same over the whole selection.
enum TConsistentAttribute {
    caBold, caColor, caFace, caItalic, caSize, caStrikeOut, caUnderline, caProtected
};
using TConsistentAttributes = quint32; // bit n = TConsistentAttribute n
enum TNumberingStyle { nsNone, nsBullet };
PTypeInfo TypeInfoTConsistentAttributes();
PTypeInfo TypeInfoTNumberingStyle();

// The character attributes of a rich edit's selection (atSelected) or of its text without
// attributes of its own (atDefaultText). Reading gives the attributes at the start of the
// selection (at the caret: those typing would get); setting changes the whole selection, or
// what typing at the caret gets.
class TTextAttributes : public TPersistent
{
    Z_CLASS(TTextAttributes)
public:
    TTextAttributes(TCustomRichEdit *richEdit, TAttributeType type);

    int Charset() const;
    void SetCharset(int charset);
    TColor Color() const;
    void SetColor(TColor color);
    TConsistentAttributes ConsistentAttributes() const;
    QString Name() const;
    void SetName(const QString &name);
    TFontPitch Pitch() const;
    void SetPitch(TFontPitch pitch);
    // Protected text is kept from the user's changes; OnProtectChange may allow them.
    bool Protected() const;
    void SetProtected(bool v);
    // Points.
    int Size() const;
    void SetSize(int size);
    // Pixels: Size * PixelsPerInch / 72.
    int Height() const;
    void SetHeight(int height);
    TFontStyles Style() const;
    void SetStyle(TFontStyles style);

    // Takes a font's or other attributes' values.
    void Assign(TPersistent *source) override;

protected:
    // Gives the values to a font or other attributes.
    void AssignTo(TPersistent *dest) override;

private:
    // Every attribute as it applies where reading looks.
    QTextCharFormat Format() const;
    void Apply(const QTextCharFormat &modifier);

    TCustomRichEdit *m_richEdit; // not owned: the rich edit owns us
    TAttributeType m_type;
};

// The paragraph attributes of the paragraphs the selection touches: reading gives those of the
// first, setting changes them all. Indents and tab stops are in points: FirstIndent is the
// first line's indent from the left margin, LeftIndent that of the other lines from the first.
class TParaAttributes : public TPersistent
{
    Z_CLASS(TParaAttributes)
public:
    explicit TParaAttributes(TCustomRichEdit *richEdit);

    TAlignment Alignment() const;
    void SetAlignment(TAlignment alignment);
    int FirstIndent() const;
    void SetFirstIndent(int indent);
    int LeftIndent() const;
    void SetLeftIndent(int indent);
    int RightIndent() const;
    void SetRightIndent(int indent);
    TNumberingStyle Numbering() const;
    void SetNumbering(TNumberingStyle numbering);
    // Tab stops, up to MaxTabStops; raises EListError for an index out of range.
    int Tab(int index) const;
    void SetTab(int index, int position);
    int TabCount() const;
    // Cuts the tab stops, or adds new ones half an inch after the last.
    void SetTabCount(int count);

    void Assign(TPersistent *source) override;

    static constexpr int MaxTabStops = 32;

private:
    TCustomRichEdit *m_richEdit; // not owned: the rich edit owns us
};

class TCustomRichEdit : public TCustomMemo
{
    Z_CLASS(TCustomRichEdit)
public:
    explicit TCustomRichEdit(TComponent *owner);
    ~TCustomRichEdit() override;

    // Scroll bars named by ScrollBars show only when the text needs them.
    bool HideScrollBars() const { return m_hideScrollBars; }
    void SetHideScrollBars(bool v);
    // Whether Lines load and save plain text instead of RTF.
    bool PlainText() const { return m_plainText; }
    void SetPlainText(bool v) { m_plainText = v; }

    TTextAttributes *DefAttributes() const { return m_defAttributes; } // owned
    void SetDefAttributes(TTextAttributes *attributes) { m_defAttributes->Assign(attributes); }
    TTextAttributes *SelAttributes() const { return m_selAttributes; } // owned
    void SetSelAttributes(TTextAttributes *attributes) { m_selAttributes->Assign(attributes); }
    TParaAttributes *Paragraph() const { return m_paragraph; } // owned

    // The selection in the document's characters (a line break counts one). These stand in
    // for the edit's own, which know only one-line edits.
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    QString SelText() const;
    // Replaces the selection by text in the attributes typing would get there.
    void SetSelText(const QString &text);
    void SelectAll();

    // The formatted text as RTF, and back. Reading keeps the text as it was when the RTF is
    // malformed (and raises EParserError).
    QByteArray RichText() const;
    void SetRichText(const QByteArray &rtf);

    TRichEditProtectChange OnProtectChange;
    TRichEditResizeEvent OnResizeRequest;
    TRichEditSaveClipboard OnSaveClipboard;
    TNotifyEvent OnSelectionChange;

    // Framework-internal, for the attribute objects: the document and the selection in it.
    QTextDocument *Document() const { return m_document; } // owned
    QTextCursor TextCursor() const;
    void SetTextCursor(const QTextCursor &cursor);
    // Every character attribute of the text without attributes of its own.
    const QTextCharFormat &DefaultFormat() const { return m_defaultFormat; }
    void SetDefaultFormat(const QTextCharFormat &format);
    // Framework-internal, for Lines: loads plain text, dropping all formatting.
    void LoadPlainText(const QString &text);

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;
    void UpdateWidgetText() override;
    void UpdateWidgetOptions() override;
    void FontChanged() override;
    void ColorChanged() override;
    QTextEdit *RichTextEdit() const;
    // After the caret or the selection moved: OnSelectionChange, once per move.
    virtual void SelectionChange();

private:
    // The document changed: Lines follow. byUser: the user's change, which makes Modified.
    void DocumentContentsChanged(bool byUser);
    void CheckSelectionMoved();
    void ReplaceDocument(QTextDocument *document);
    void ApplyDefaultFormat();

    bool m_hideScrollBars = true;
    bool m_plainText = false;
    QTextDocument *m_document;       // owned; the widget only shows it
    QTextCursor m_cursor;            // the selection while there is no widget
    QTextCharFormat m_defaultFormat; // every attribute set
    TTextAttributes *m_defAttributes;
    TTextAttributes *m_selAttributes;
    TParaAttributes *m_paragraph;
    bool m_fromDocument = false; // Lines is being filled from the document
    bool m_toDocument = false;   // the document is being filled from Lines
    int m_reportedAnchor = 0, m_reportedPosition = 0;
};

class TRichEdit : public TCustomRichEdit
{
    Z_CLASS(TRichEdit)
public:
    explicit TRichEdit(TComponent *owner);
};
