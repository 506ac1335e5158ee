// Edits: the one-line edit over a QLineEdit, with the classic options and OnChange.

#include "EditInput.h"
#include "PublishedProps.h"
#include "SafeCall.h"
#include "StdCtrls.h"

#include <QLineEdit>

Z_DEFINE_CLASS(TCustomEdit, TWinControl, NoPublishedProps)

TCustomEdit::TCustomEdit(TComponent *owner) : TWinControl(owner)
{
    SetControlStyle(csClickEvents | csSetCaption | csDoubleClicks | csFixedHeight);
    SetParentColor(false);
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 121, 25);
    ApplyAutoSize();
}

TCustomEdit::~TCustomEdit()
{
    Destroying();
    DestroyWidget();
}

QLineEdit *TCustomEdit::LineEdit() const
{
    return qobject_cast<QLineEdit *>(m_widget);
}

QWidget *TCustomEdit::CreateWidget(QWidget *parentWidget)
{
    auto *w = new QLineEdit(parentWidget);
    QObject::connect(w, &QLineEdit::textEdited, w, [this](const QString &text) {
        SafeCall([&] { WidgetTextEdited(text); });
    });
    return w;
}

void TCustomEdit::InitWidget()
{
    UpdateWidgetOptions();
    UpdateWidgetText();
    TWinControl::InitWidget();
    WatchEditInput(this, m_widget);
    ColorChanged();
}

void TCustomEdit::UpdateWidgetOptions()
{
    QLineEdit *w = LineEdit();
    if (!w)
        return;
    w->setFrame(m_borderStyle != bsNone);
    w->setReadOnly(m_readOnly);
    w->setMaxLength(m_maxLength > 0 ? m_maxLength : 32767);
    if (m_passwordChar) {
        w->setEchoMode(QLineEdit::Password);
        w->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: %1; }")
                             .arg(int(m_passwordChar)));
    } else {
        w->setEchoMode(QLineEdit::Normal);
        w->setStyleSheet(QString());
    }
}

void TCustomEdit::UpdateWidgetText()
{
    QLineEdit *w = LineEdit();
    if (!w || w->text() == m_text)
        return;
    m_syncing = true;
    w->setText(m_text);
    m_syncing = false;
}

QString TCustomEdit::FilteredText(const QString &text) const
{
    QString result = text;
    if (m_charCase == ecUpperCase)
        result = result.toUpper();
    else if (m_charCase == ecLowerCase)
        result = result.toLower();
    if (m_maxLength > 0 && result.size() > m_maxLength)
        result.truncate(m_maxLength);
    return result;
}

void TCustomEdit::TextChanged()
{
    m_text = FilteredText(m_text);
    UpdateWidgetText();
    Change();
}

void TCustomEdit::WidgetTextEdited(const QString &text)
{
    if (m_syncing)
        return;
    const QString filtered = FilteredText(text);
    if (filtered != text) {
        // Typed letters take the edit's case at once; the cursor stays where it was.
        QLineEdit *w = LineEdit();
        const int cursor = w ? w->cursorPosition() : 0;
        m_text = filtered;
        UpdateWidgetText();
        if (w)
            w->setCursorPosition(cursor);
    } else {
        m_text = text;
    }
    m_modified = true;
    Change();
}

void TCustomEdit::Change()
{
    OnChange(this);
}

void TCustomEdit::SetAutoSize(bool v)
{
    m_autoSize = v;
    ApplyAutoSize();
}

int TCustomEdit::AutoHeight() const
{
    // The classic edit: a line of text, a pixel of margin above and below, and the two-pixel
    // sunken edge on each side when it has a border.
    return FontLineHeight(Font()) + (m_borderStyle == bsNone ? 2 : 8);
}

void TCustomEdit::ApplyAutoSize()
{
    if (m_autoSize && (ControlStyle() & csFixedHeight))
        SetHeight(AutoHeight());
}

void TCustomEdit::SetBorderStyle(TFormBorderStyle style)
{
    m_borderStyle = style == bsNone ? bsNone : bsSingle;
    UpdateWidgetOptions();
    ApplyAutoSize();
}

void TCustomEdit::SetCharCase(TEditCharCase charCase)
{
    m_charCase = charCase;
    const QString filtered = FilteredText(Text());
    if (filtered != Text())
        SetText(filtered);
}

void TCustomEdit::SetMaxLength(int length)
{
    m_maxLength = std::max(0, length);
    UpdateWidgetOptions();
    const QString filtered = FilteredText(Text());
    if (filtered != Text())
        SetText(filtered);
}

void TCustomEdit::SetPasswordChar(quint16 ch)
{
    m_passwordChar = ch;
    UpdateWidgetOptions();
}

void TCustomEdit::SetReadOnly(bool v)
{
    m_readOnly = v;
    UpdateWidgetOptions();
}

void TCustomEdit::FontChanged()
{
    TWinControl::FontChanged();
    ColorChanged(); // the text colour comes with the font
    ApplyAutoSize();
}

void TCustomEdit::ColorChanged()
{
    TWinControl::ColorChanged();
    if (!m_widget)
        return;
    QPalette pal = m_widget->palette();
    pal.setColor(QPalette::Base, ColorToQColor(Color()));
    pal.setColor(QPalette::Text, ColorToQColor(Font()->Color()));
    SetSelectionColors(pal, m_hideSelection && !m_widget->hasFocus(), Color(),
                       Font()->Color());
    m_widget->setPalette(pal);
}

void TCustomEdit::SetHideSelection(bool v)
{
    m_hideSelection = v;
    ColorChanged();
}

void TCustomEdit::ApplyDesignState()
{
    TWinControl::ApplyDesignState();
    if (m_widget && !Designing())
        m_widget->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
}

int TCustomEdit::SelStart() const
{
    if (QLineEdit *w = LineEdit())
        return w->hasSelectedText() ? w->selectionStart() : w->cursorPosition();
    return m_selStart;
}

void TCustomEdit::SetSelStart(int start)
{
    m_selStart = std::clamp(start, 0, int(Text().size()));
    m_selLength = 0;
    if (QLineEdit *w = LineEdit())
        w->setCursorPosition(m_selStart);
}

int TCustomEdit::SelLength() const
{
    if (QLineEdit *w = LineEdit())
        return int(w->selectedText().size());
    return m_selLength;
}

void TCustomEdit::SetSelLength(int length)
{
    const int start = SelStart();
    m_selStart = start;
    m_selLength = std::clamp(length, 0, int(Text().size()) - start);
    if (QLineEdit *w = LineEdit())
        w->setSelection(start, m_selLength);
}

QString TCustomEdit::SelText() const
{
    return Text().mid(SelStart(), SelLength());
}

void TCustomEdit::SelectAll()
{
    SetSelStart(0);
    SetSelLength(int(Text().size()));
}

// The events and common properties of edits; used by the memo's table too.
TPropTable EditCommonProps()
{
    TPropTable t = WinControlBaseProps();
    AppendProps(t, ControlProps({"Anchors", "BiDiMode", "Color", "Constraints", "Ctl3D",
                                 "DragCursor", "DragKind", "DragMode", "Enabled", "Font",
                                 "ImeMode", "ImeName", "ParentBiDiMode", "ParentColor",
                                 "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu",
                                 "ShowHint", "TabOrder", "TabStop", "Visible", "OnClick",
                                 "OnContextPopup",
                                 "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                                 "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress",
                                 "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp",
                                 "OnStartDock", "OnStartDrag"}));
    SetPropDefault(t, "Color", clWindow);
    SetPropDefault(t, "ParentColor", 0);
    SetPropDefault(t, "TabStop", 1);
    using E = TCustomEdit;
    t.push_back(Prop<E>("BorderStyle", TypeInfoTBorderStyle(), &E::BorderStyle,
                        &E::SetBorderStyle, bsSingle));
    t.push_back(Prop<E>("HideSelection", TypeInfoBoolean(), &E::HideSelection,
                        &E::SetHideSelection, 1));
    t.push_back(Prop<E>("MaxLength", TypeInfoInteger(), &E::MaxLength, &E::SetMaxLength, 0));
    t.push_back(Prop<E>("OEMConvert", TypeInfoBoolean(), &E::OEMConvert, &E::SetOEMConvert,
                        0));
    t.push_back(Prop<E>("ReadOnly", TypeInfoBoolean(), &E::ReadOnly, &E::SetReadOnly, 0));
    t.push_back(EventProp<E>("OnChange", TypeInfoTNotifyEvent(), &E::OnChange));
    return t;
}

// What a one-line edit adds: selection on entry, sizing, case, password and its text.
TPropTable EditLineProps()
{
    using E = TCustomEdit;
    TPropTable t;
    t.push_back(Prop<E>("AutoSelect", TypeInfoBoolean(), &E::AutoSelect, &E::SetAutoSelect, 1));
    t.push_back(Prop<E>("AutoSize", TypeInfoBoolean(), &E::AutoSize, &E::SetAutoSize, 1));
    t.push_back(Prop<E>("CharCase", TypeInfoTEditCharCase(), &E::CharCase, &E::SetCharCase,
                        ecNormal));
    t.push_back(Prop<E>("PasswordChar", TypeInfoChar(), &E::PasswordChar, &E::SetPasswordChar,
                        0));
    AppendProps(t, ControlProps({"Text"}));
    return t;
}

static TPropTable EditProps()
{
    TPropTable t = EditCommonProps();
    AppendProps(t, EditLineProps());
    return t;
}
Z_DEFINE_CLASS(TEdit, TCustomEdit, EditProps)

TEdit::TEdit(TComponent *owner) : TCustomEdit(owner) {}
