// Labels and static texts: captions painted in the classic way, sized to their text.

#include "ClassicDraw.h"
#include "PublishedProps.h"
#include "StdCtrls.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// The size text takes in font: one line, or wrapped within width when wrap is set. Lines are
// counted in the classic line height of the font.
QSize TextSize(const TFont *tfont, const QString &shown, int flags, bool wrap, int width)
{
    const QFontMetrics fm(tfont->ToQFont());
    const int line = FontLineHeight(tfont);
    // An empty caption still takes a line, as a blank does.
    const QString text = shown.isEmpty() ? QStringLiteral(" ") : shown;
    if (wrap) {
        const QRect r = fm.boundingRect(QRect(0, 0, std::max(1, width), 100000),
                                        flags | Qt::TextWordWrap, text);
        const int lines = std::max(1, r.height() / std::max(1, fm.lineSpacing()));
        return QSize(width, lines * line);
    }
    const QRect r = fm.boundingRect(QRect(0, 0, 100000, 100000), flags, text);
    return QSize(r.width(), line);
}

void AppendLabelEvents(TPropTable &t)
{
    AppendProps(t, ControlProps({"OnClick", "OnContextPopup", "OnDblClick", "OnDragDrop",
                                 "OnDragOver", "OnEndDock", "OnEndDrag", "OnMouseDown",
                                 "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"}));
}

} // namespace

// ---------------------------------------------------------------------------------------------

Z_DEFINE_CLASS(TCustomLabel, TGraphicControl, NoPublishedProps)

TCustomLabel::TCustomLabel(TComponent *owner) : TGraphicControl(owner)
{
    SetControlStyle(ControlStyle() | csOpaque | csReplicatable);
    SetBounds(0, 0, 65, 17);
}

TCustomLabel::~TCustomLabel()
{
    Destroying();
    if (m_focusControl)
        m_focusControl->RemoveFreeNotification(this);
}

void TCustomLabel::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool v)
{
    m_autoSize = v;
    AdjustBounds();
}

void TCustomLabel::SetFocusControl(TWinControl *control)
{
    SetReference(this, m_focusControl, control);
}

void TCustomLabel::Notification(TComponent *component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == m_focusControl)
        m_focusControl = nullptr;
}

void TCustomLabel::SetLayout(TTextLayout layout)
{
    m_layout = layout;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool v)
{
    m_showAccelChar = v;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool v)
{
    m_transparent = v;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool v)
{
    m_wordWrap = v;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::TextChanged()
{
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustBounds();
    Invalidate();
}

int TCustomLabel::TextFlags() const
{
    int flags = int(AlignmentFlag(m_alignment)) | Qt::TextShowMnemonic;
    switch (m_layout) {
    case tlCenter: flags |= Qt::AlignVCenter; break;
    case tlBottom: flags |= Qt::AlignBottom; break;
    default: flags |= Qt::AlignTop; break;
    }
    if (m_wordWrap)
        flags |= Qt::TextWordWrap;
    return flags;
}

void TCustomLabel::AdjustBounds()
{
    if (!m_autoSize)
        return;
    const int flags = int(AlignmentFlag(m_alignment)) | Qt::TextShowMnemonic;
    const QSize size = TextSize(Font(), DisplayCaption(Caption(), m_showAccelChar),
                                flags, m_wordWrap, Width());
    // A right-justified label grows to the left, keeping its right edge.
    int left = Left();
    if (m_alignment == taRightJustify && !m_wordWrap)
        left += Width() - size.width();
    SetBounds(left, Top(), size.width(), size.height());
}

void TCustomLabel::Paint()
{
    QPainter *painter = Canvas()->Painter();
    if (!painter)
        return;
    const QRect rect = ClientRect();
    if (!m_transparent)
        painter->fillRect(rect, ColorToQColor(Color()));
    painter->setFont(Font()->ToQFont());
    DrawControlText(*painter, rect, TextFlags(), DisplayCaption(Caption(), m_showAccelChar),
                    Font()->Color(), Enabled());
}

static TPropTable LabelProps()
{
    using L = TLabel;
    TPropTable t = GraphicControlBaseProps();
    AppendProps(t, ControlProps({"Align", "Anchors", "BiDiMode", "Caption", "Color",
                                 "Constraints", "DragCursor", "DragKind", "DragMode", "Enabled",
                                 "Font", "ParentBiDiMode", "ParentColor", "ParentFont",
                                 "ParentShowHint", "PopupMenu", "ShowHint", "Visible"}));
    SetPropDefault(t, "ParentColor", 1);
    AppendLabelEvents(t);
    t.push_back(Prop<L>("Alignment", TypeInfoTAlignment(), &L::Alignment, &L::SetAlignment,
                        taLeftJustify));
    t.push_back(Prop<L>("AutoSize", TypeInfoBoolean(), &L::AutoSize, &L::SetAutoSize, 1));
    t.push_back(Prop<L>("FocusControl", TWinControl::StaticClass()->ClassTypeInfo(),
                        &L::FocusControl, &L::SetFocusControl));
    t.push_back(Prop<L>("Layout", TypeInfoTTextLayout(), &L::Layout, &L::SetLayout, tlTop));
    t.push_back(Prop<L>("ShowAccelChar", TypeInfoBoolean(), &L::ShowAccelChar,
                        &L::SetShowAccelChar, 1));
    t.push_back(Prop<L>("Transparent", TypeInfoBoolean(), &L::Transparent, &L::SetTransparent,
                        0));
    t.push_back(Prop<L>("WordWrap", TypeInfoBoolean(), &L::WordWrap, &L::SetWordWrap, 0));
    return t;
}
Z_DEFINE_CLASS(TLabel, TCustomLabel, LabelProps)

TLabel::TLabel(TComponent *owner) : TCustomLabel(owner) {}

// ---------------------------------------------------------------------------------------------

Z_DEFINE_CLASS(TCustomStaticText, TWinControl, NoPublishedProps)

TCustomStaticText::TCustomStaticText(TComponent *owner) : TWinControl(owner)
{
    SetControlStyle(csCaptureMouse | csClickEvents | csSetCaption | csReplicatable
                    | csDoubleClicks);
    SetBounds(0, 0, 65, 17);
}

TCustomStaticText::~TCustomStaticText()
{
    Destroying();
    if (m_focusControl)
        m_focusControl->RemoveFreeNotification(this);
    DestroyWidget();
}

void TCustomStaticText::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    Invalidate();
}

void TCustomStaticText::SetAutoSize(bool v)
{
    m_autoSize = v;
    AdjustBounds();
}

void TCustomStaticText::SetBorderStyle(TStaticBorderStyle style)
{
    m_borderStyle = style;
    AdjustBounds();
    Invalidate();
}

void TCustomStaticText::SetFocusControl(TWinControl *control)
{
    SetReference(this, m_focusControl, control);
}

void TCustomStaticText::Notification(TComponent *component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == m_focusControl)
        m_focusControl = nullptr;
}

void TCustomStaticText::SetShowAccelChar(bool v)
{
    m_showAccelChar = v;
    AdjustBounds();
    Invalidate();
}

void TCustomStaticText::TextChanged()
{
    AdjustBounds();
    Invalidate();
}

void TCustomStaticText::FontChanged()
{
    TWinControl::FontChanged();
    AdjustBounds();
    Invalidate();
}

void TCustomStaticText::EnabledChanged()
{
    TWinControl::EnabledChanged();
    Invalidate();
}

int TCustomStaticText::BorderSize() const
{
    return m_borderStyle == sbsNone ? 0 : 1;
}

void TCustomStaticText::AdjustBounds()
{
    if (!m_autoSize)
        return;
    const QSize text = TextSize(Font(), DisplayCaption(Caption(), m_showAccelChar),
                                Qt::TextShowMnemonic, false, 0);
    const int b = 2 * BorderSize();
    SetBounds(Left(), Top(), text.width() + b, text.height() + b);
}

void TCustomStaticText::PaintWidget(QPainter &painter)
{
    QRect rect = ClientRect();
    painter.fillRect(rect, ColorToQColor(Color()));
    if (m_borderStyle == sbsSingle)
        Frame3D(painter, rect, clWindowFrame, clWindowFrame, 1);
    else if (m_borderStyle == sbsSunken)
        Frame3D(painter, rect, clBtnShadow, clBtnHighlight, 1);
    painter.setFont(Font()->ToQFont());
    DrawControlText(painter, rect,
                    int(AlignmentFlag(m_alignment)) | Qt::AlignTop | Qt::TextShowMnemonic,
                    DisplayCaption(Caption(), m_showAccelChar), Font()->Color(), Enabled());
}

static TPropTable StaticTextProps()
{
    using S = TStaticText;
    TPropTable t = WinControlBaseProps();
    AppendProps(t, ControlProps({"Align", "Anchors", "BiDiMode", "Caption", "Color",
                                 "Constraints", "DragCursor", "DragKind", "DragMode", "Enabled",
                                 "Font", "ParentBiDiMode", "ParentColor", "ParentFont",
                                 "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder",
                                 "TabStop", "Visible"}));
    SetPropDefault(t, "ParentColor", 1);
    SetPropDefault(t, "TabStop", 0);
    AppendLabelEvents(t);
    t.push_back(Prop<S>("Alignment", TypeInfoTAlignment(), &S::Alignment, &S::SetAlignment,
                        taLeftJustify));
    t.push_back(Prop<S>("AutoSize", TypeInfoBoolean(), &S::AutoSize, &S::SetAutoSize, 1));
    t.push_back(Prop<S>("BorderStyle", TypeInfoTStaticBorderStyle(), &S::BorderStyle,
                        &S::SetBorderStyle, sbsNone));
    t.push_back(Prop<S>("FocusControl", TWinControl::StaticClass()->ClassTypeInfo(),
                        &S::FocusControl, &S::SetFocusControl));
    t.push_back(Prop<S>("ShowAccelChar", TypeInfoBoolean(), &S::ShowAccelChar,
                        &S::SetShowAccelChar, 1));
    return t;
}
Z_DEFINE_CLASS(TStaticText, TCustomStaticText, StaticTextProps)

TStaticText::TStaticText(TComponent *owner) : TCustomStaticText(owner) {}
