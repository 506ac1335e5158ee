#include "ComCtrls.h"

#include "BasicAction.h"
#include "ClassicDraw.h"
#include "ControlProps.h"
#include "ControlWidget.h"
#include "SafeCall.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSizeGrip>

#include <algorithm>

namespace {

constexpr int kGripSize = 13;

// Sizes the window from the status bar's corner; the bar paints the grip beneath it.
class TStatusGrip : public QSizeGrip
{
public:
    using QSizeGrip::QSizeGrip;

protected:
    void paintEvent(QPaintEvent *) override {}
};

class TStatusBarWidget : public TControlWidget
{
public:
    TStatusBarWidget(TStatusBar *bar, QWidget *parent) : TControlWidget(bar, parent), m_bar(bar)
    {
    }

protected:
    void resizeEvent(QResizeEvent *) override
    {
        SafeCall([this] { m_bar->LayOutGrip(); });
    }

private:
    TStatusBar *m_bar; // not owned
};

void DrawPanelText(QPainter &painter, const QRect &frame, TAlignment alignment,
                   const QString &text, const TControl *control)
{
    const QRect inner = frame.adjusted(3, 1, -3, -1);
    painter.save();
    painter.setClipRect(frame.adjusted(1, 1, -1, -1));
    DrawControlText(painter, inner,
                    int(AlignmentFlag(alignment)) | Qt::AlignVCenter | Qt::TextSingleLine, text,
                    control->Font()->Color(), control->Enabled());
    painter.restore();
}

} // namespace

// ---------------------------------------------------------------------------------------------

PTypeInfo TypeInfoTStatusPanelBevel()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TStatusPanelBevel"),
        {QStringLiteral("pbNone"), QStringLiteral("pbLowered"), QStringLiteral("pbRaised")});
    return t;
}

PTypeInfo TypeInfoTStatusPanelStyle()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TStatusPanelStyle"),
        {QStringLiteral("psText"), QStringLiteral("psOwnerDraw")});
    return t;
}

PTypeInfo TypeInfoTDrawPanelEvent()
{
    static const PTypeInfo t = NewMethodType(
        QStringLiteral("TDrawPanelEvent"),
        QStringLiteral("StatusBar: TStatusBar; Panel: TStatusPanel; const Rect: TRect"));
    return t;
}

static TPropTable StatusPanelProps()
{
    using P = TStatusPanel;
    return {
        Prop<P>("Alignment", TypeInfoTAlignment(), &P::Alignment, &P::SetAlignment,
                taLeftJustify),
        Prop<P>("Bevel", TypeInfoTStatusPanelBevel(), &P::Bevel, &P::SetBevel, pbLowered),
        Prop<P>("Style", TypeInfoTStatusPanelStyle(), &P::Style, &P::SetStyle, psText),
        Prop<P>("Text", TypeInfoString(), &P::Text, &P::SetText),
        Prop<P>("Width", TypeInfoInteger(), &P::Width, &P::SetWidth),
    };
}
Z_DEFINE_CLASS(TStatusPanel, TCollectionItem, StatusPanelProps)

TStatusPanel::TStatusPanel(TCollection *collection) : TCollectionItem(collection) {}

void TStatusPanel::Assign(TPersistent *source)
{
    auto *other = ObjectCast<TStatusPanel>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    m_alignment = other->m_alignment;
    m_bevel = other->m_bevel;
    m_style = other->m_style;
    m_text = other->m_text;
    m_width = other->m_width;
    Changed(false);
}

QString TStatusPanel::DisplayName() const
{
    return m_text.isEmpty() ? TCollectionItem::DisplayName() : m_text;
}

void TStatusPanel::SetAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel bevel)
{
    if (bevel == m_bevel)
        return;
    m_bevel = bevel;
    Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    Changed(false);
}

void TStatusPanel::SetText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    Changed(false);
}

void TStatusPanel::SetWidth(int width)
{
    if (width == m_width)
        return;
    m_width = width;
    // Every later panel moves.
    Changed(true);
}

Z_DEFINE_CLASS(TStatusPanels, TCollection, NoPublishedProps)

TStatusPanels::TStatusPanels(TStatusBar *bar)
    : TCollection(TStatusPanel::StaticClass(), &TCollection::NewItem<TStatusPanel>, bar),
      m_bar(bar)
{
}

void TStatusPanels::Update(TCollectionItem *)
{
    m_bar->Invalidate();
}

// ---------------------------------------------------------------------------------------------

static TPropTable StatusBarProps()
{
    using S = TStatusBar;
    TPropTable t = ControlProps(
        {"Action", "Align", "Anchors", "BiDiMode", "Color", "Constraints", "Cursor",
         "DragCursor", "DragKind", "DragMode", "Enabled", "Font", "Height", "HelpContext",
         "Hint", "Left", "ParentBiDiMode", "ParentColor", "ParentFont", "ParentShowHint",
         "PopupMenu", "ShowHint", "Top", "Visible", "Width", "OnClick", "OnContextPopup", "OnDblClick", "OnDragDrop",
         "OnDragOver", "OnEndDock", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp",
         "OnResize", "OnStartDock", "OnStartDrag"});
    SetPropDefault(t, "Align", alBottom);
    SetPropDefault(t, "Color", clBtnFace);
    SetPropDefault(t, "ParentColor", 0);
    t.push_back(Prop<S>("AutoHint", TypeInfoBoolean(), &S::AutoHint, &S::SetAutoHint, 0));
    t.push_back(Prop<S>("BorderWidth", TypeInfoInteger(), &S::BorderWidth, &S::SetBorderWidth,
                        0));
    t.push_back(Prop<S>("Panels", TStatusPanels::StaticClass()->ClassTypeInfo(), &S::Panels,
                        &S::SetPanels));
    t.push_back(Prop<S>("SimplePanel", TypeInfoBoolean(), &S::SimplePanel, &S::SetSimplePanel,
                        0));
    t.push_back(Prop<S>("SimpleText", TypeInfoString(), &S::SimpleText, &S::SetSimpleText));
    t.push_back(Prop<S>("SizeGrip", TypeInfoBoolean(), &S::SizeGrip, &S::SetSizeGrip, 1));
    t.push_back(EventProp<S>("OnDrawPanel", TypeInfoTDrawPanelEvent(), &S::OnDrawPanel));
    t.push_back(EventProp<S>("OnHint", TypeInfoTNotifyEvent(), &S::OnHint));
    return t;
}
Z_DEFINE_CLASS(TStatusBar, TWinControl, StatusBarProps)

TStatusBar::TStatusBar(TComponent *owner)
    : TWinControl(owner), m_panels(new TStatusPanels(this)), m_canvas(new TCanvas)
{
    SetControlStyle(csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque);
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 19);
    SetAlign(alBottom);
}

TStatusBar::~TStatusBar()
{
    Destroying();
    DestroyWidget();
    m_grip = nullptr;
    delete m_panels;
    delete m_canvas;
}

QWidget *TStatusBar::CreateWidget(QWidget *parentWidget)
{
    auto *w = new TStatusBarWidget(this, parentWidget);
    m_grip = new TStatusGrip(w);
    m_grip->hide();
    return w;
}

void TStatusBar::InitWidget()
{
    TWinControl::InitWidget();
    LayOutGrip();
}

void TStatusBar::SetSimplePanel(bool v)
{
    m_simplePanel = v;
    Invalidate();
}

void TStatusBar::SetSimpleText(const QString &text)
{
    m_simpleText = text;
    if (m_simplePanel)
        Invalidate();
}

void TStatusBar::SetSizeGrip(bool v)
{
    m_sizeGrip = v;
    LayOutGrip();
    Invalidate();
}

void TStatusBar::SetBorderWidth(int width)
{
    m_borderWidth = std::clamp(width, 0, 1000);
    Invalidate();
}

void TStatusBar::ApplicationHintChanged(const QString &hint)
{
    // A bar being designed keeps the texts the user gave it.
    if (!m_autoHint || Designing())
        return;
    if (OnHint.Assigned()) {
        OnHint(this);
        return;
    }
    if (m_simplePanel || m_panels->Count() == 0)
        SetSimpleText(hint);
    else
        m_panels->Items(0)->SetText(hint);
}

void TStatusBar::EnabledChanged()
{
    TWinControl::EnabledChanged();
    Invalidate();
}

bool TStatusBar::ShowsGrip() const
{
    const TCustomForm *form = ParentForm();
    if (!m_sizeGrip || !form || Parent() != form)
        return false;
    return form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin;
}

void TStatusBar::LayOutGrip()
{
    if (!m_grip)
        return;
    m_grip->setGeometry(Width() - kGripSize, Height() - kGripSize, kGripSize, kGripSize);
    m_grip->setVisible(ShowsGrip() && !Designing());
}

QRect TStatusBar::PanelRect(int index) const
{
    const int gripRoom = ShowsGrip() ? kGripSize : 0;
    const int border = m_borderWidth;
    int left = border;
    for (int i = 0; i < index; ++i)
        left += m_panels->Items(i)->Width();
    const bool last = index == m_panels->Count() - 1;
    const int right = last ? Width() - std::max(gripRoom, border)
                           : left + m_panels->Items(index)->Width();
    // Two pixels of the bar's face above the panels and between them.
    return QRect(left, 2 + border, std::max(0, right - left - (last ? 0 : 2)),
                 std::max(0, Height() - 2 - 2 * border));
}

void TStatusBar::PaintWidget(QPainter &painter)
{
    TWinControl::PaintWidget(painter);
    painter.setFont(Font()->ToQFont());
    if (m_simplePanel) {
        const int border = m_borderWidth;
        QRect frame(border, 2 + border,
                    std::max(0, Width() - border - std::max(ShowsGrip() ? kGripSize : 0, border)),
                    std::max(0, Height() - 2 - 2 * border));
        QRect inner = frame;
        Frame3D(painter, inner, clBtnShadow, clBtnHighlight, 1);
        DrawPanelText(painter, frame, taLeftJustify, m_simpleText, this);
    } else {
        for (int i = 0; i < m_panels->Count(); ++i) {
            TStatusPanel *panel = m_panels->Items(i);
            const QRect frame = PanelRect(i);
            QRect inner = frame;
            if (panel->Bevel() == pbLowered)
                Frame3D(painter, inner, clBtnShadow, clBtnHighlight, 1);
            else if (panel->Bevel() == pbRaised)
                Frame3D(painter, inner, clBtnHighlight, clBtnShadow, 1);
            if (panel->Style() == psText) {
                DrawPanelText(painter, frame, panel->Alignment(), panel->Text(), this);
            } else if (OnDrawPanel.Assigned()) {
                // The handler draws inside the frame on the bar's canvas, in the bar's font.
                painter.save();
                painter.setClipRect(inner);
                m_canvas->SetPainter(&painter, inner);
                m_canvas->Font()->Assign(Font());
                SafeCall([&] { OnDrawPanel(this, panel, inner); });
                m_canvas->ReleasePainter();
                painter.restore();
            }
        }
    }
    if (!ShowsGrip())
        return;
    // Three ridges across the corner, each a highlight line and two shadow lines.
    const QColor light = ColorToQColor(clBtnHighlight);
    const QColor shadow = ColorToQColor(clBtnShadow);
    painter.save();
    for (int d = 1; d <= 11; ++d) {
        const int phase = d % 4;
        if (phase == 0)
            continue;
        painter.setPen(phase == 1 ? light : shadow);
        painter.drawLine(Width() - d, Height() - 1, Width() - 1, Height() - d);
    }
    painter.restore();
}
