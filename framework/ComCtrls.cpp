#include "ComCtrls.h"

#include "ClassicDraw.h"
#include "ControlWidget.h"
#include "SafeCall.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSizeGrip>
#include <QTabBar>

#include <algorithm>

namespace {

// The first tab starts this far in, so that the current tab can stand out over its
// neighbours on both sides.
constexpr int kTabLead = 2;
// Between the page frame and the display rectangle.
constexpr int kPageInset = 4;
constexpr int kGripSize = 13;

// The tab row: QTabBar lays the tabs out and scrolls them; the control decides which tab is
// current, and the tabs are drawn in the classic way, the current one joined to the page.
class TTabBar : public QTabBar
{
public:
    TTabBar(TCustomTabControl *control, QWidget *parent) : QTabBar(parent), m_control(control)
    {
        setDrawBase(false);
        setExpanding(false);
        setElideMode(Qt::ElideNone);
        setUsesScrollButtons(true);
        setFocusPolicy(Qt::NoFocus);
    }

    // Where tab index is drawn, in the bar's coordinates.
    QRect PaintedRect(int index) const
    {
        const QRect r = tabRect(index).translated(kTabLead, 0);
        const int th = m_control->TabHeight();
        // Buttons stand apart from each other and keep their size when current.
        if (m_control->Style() != tsTabs)
            return QRect(r.left(), 0, std::max(0, r.width() - 3), th);
        if (index == m_control->TabIndex())
            return QRect(r.left() - 2, 0, r.width() + 4, th + 1);
        return QRect(r.left(), 2, r.width(), th - 2);
    }

    int HitTest(QPoint pos) const
    {
        // Tabs below the page are drawn upside down: their rectangles are mirrored.
        if (m_control->BottomTabs())
            pos.setY(height() - 1 - pos.y());
        const int current = m_control->TabIndex();
        if (current >= 0 && current < count() && PaintedRect(current).contains(pos))
            return current;
        for (int i = 0; i < count(); ++i) {
            if (PaintedRect(i).contains(pos))
                return i;
        }
        return -1;
    }

protected:
    QSize tabSizeHint(int index) const override
    {
        const int fixed = m_control->TabWidth();
        const int w = fixed > 0 ? fixed : fontMetrics().horizontalAdvance(tabText(index)) + 12;
        return QSize(w, m_control->TabHeight());
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setFont(font());
        const int current = m_control->TabIndex();
        for (int i = 0; i < count(); ++i) {
            if (i != current)
                PaintTab(painter, i, false);
        }
        if (current >= 0 && current < count())
            PaintTab(painter, current, true);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton) {
            event->ignore();
            return;
        }
        const int hit = HitTest(event->position().toPoint());
        if (hit >= 0)
            SafeCall([&] { m_control->SelectTab(hit); });
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent *event) override { event->accept(); }
    void mouseMoveEvent(QMouseEvent *event) override { event->accept(); }
    void wheelEvent(QWheelEvent *event) override { event->ignore(); }

private:
    void PaintTab(QPainter &painter, int index, bool current)
    {
        const QRect r = PaintedRect(index);
        if (r.right() < 0 || r.left() >= width())
            return;
        painter.save();
        const bool bottom = m_control->BottomTabs();
        if (bottom) {
            painter.translate(0, height());
            painter.scale(1, -1);
        }
        if (m_control->Style() == tsTabs)
            PaintTabEdge(painter, r, current);
        else
            PaintButtonEdge(painter, r, current);
        painter.restore();
        QRect textRect = r.adjusted(2, 1, -2, 0);
        if (bottom)
            textRect.moveTop(height() - 1 - textRect.bottom());
        if (m_control->Style() != tsTabs && current)
            textRect.translate(1, 1);
        DrawControlText(painter, textRect, Qt::AlignCenter | Qt::TextShowMnemonic,
                        tabText(index), m_control->Font()->Color(), isEnabled());
        if (current && m_control->Focused()) {
            const int tw = fontMetrics().horizontalAdvance(tabText(index));
            const int th = fontMetrics().height();
            QRect focus(0, 0, tw + 4, th + 2);
            focus.moveCenter(textRect.center());
            DrawFocusRect(painter, focus);
        }
    }

    static void PaintTabEdge(QPainter &painter, const QRect &r, bool current)
    {
        const QColor light = ColorToQColor(clBtnHighlight);
        const QColor shadow = ColorToQColor(clBtnShadow);
        const QColor dark = ColorToQColor(cl3DDkShadow);
        painter.fillRect(r, ColorToQColor(clBtnFace));
        // Left edge and top in highlight with a cut corner; right edge in two shades.
        painter.fillRect(QRect(r.left(), r.top() + 2, 1, r.height() - 2), light);
        painter.fillRect(QRect(r.left() + 1, r.top() + 1, 1, 1), light);
        painter.fillRect(QRect(r.left() + 2, r.top(), r.width() - 4, 1), light);
        painter.fillRect(QRect(r.right() - 1, r.top() + 1, 1, 1), dark);
        painter.fillRect(QRect(r.right(), r.top() + 2, 1, r.height() - 2), dark);
        painter.fillRect(QRect(r.right() - 1, r.top() + 2, 1, r.height() - 2), shadow);
        if (current) {
            // The page's own edge continues under the tab's sides.
            painter.fillRect(QRect(r.left(), r.bottom(), 1, 1), light);
        }
    }

    // A raised button, or a flat one with no edge; the current one is pushed in.
    void PaintButtonEdge(QPainter &painter, const QRect &rect, bool current)
    {
        QRect r = rect;
        painter.fillRect(r, ColorToQColor(clBtnFace));
        if (current) {
            Frame3D(painter, r, cl3DDkShadow, clBtnHighlight, 1);
            Frame3D(painter, r, clBtnShadow, cl3DLight, 1);
            FillDithered(painter, r);
        } else if (m_control->Style() == tsButtons) {
            DrawButtonEdge(painter, r, false);
        }
    }

    TCustomTabControl *m_control; // not owned: the control owns the widget this bar sits in
};

class TCustomTabControlWidget : public TControlWidget
{
public:
    TCustomTabControlWidget(TCustomTabControl *control, QWidget *parent)
        : TControlWidget(control, parent), m_control(control)
    {
    }

protected:
    void resizeEvent(QResizeEvent *) override
    {
        SafeCall([this] { m_control->LayOutTabs(); });
    }

private:
    TCustomTabControl *m_control; // not owned
};

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

PTypeInfo TypeInfoTTabStyle()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TTabStyle"),
        {QStringLiteral("tsTabs"), QStringLiteral("tsButtons"), QStringLiteral("tsFlatButtons")});
    return t;
}

PTypeInfo TypeInfoTTabPosition()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TTabPosition"), {QStringLiteral("tpTop"), QStringLiteral("tpBottom"),
                                         QStringLiteral("tpLeft"), QStringLiteral("tpRight")});
    return t;
}

PTypeInfo TypeInfoTTabChangingEvent()
{
    static const TTypeInfo *t =
        NewMethodType(QStringLiteral("TTabChangingEvent"),
                      QStringLiteral("Sender: TObject; var AllowChange: Boolean"));
    return t;
}

Z_DEFINE_CLASS(TCustomTabControl, TWinControl, NoPublishedProps)

static TPropTable TabControlProps()
{
    using T = TTabControl;
    return {
        Prop<T>("Align", TypeInfoTAlign(), &TControl::Align, &TControl::SetAlign, alNone),
        Prop<T>("Enabled", TypeInfoBoolean(), &TControl::Enabled, &TControl::SetEnabled, 1),
        Prop<T>("Font", TFont::StaticClass()->ClassTypeInfo(), &TControl::Font,
                &TControl::SetFont),
        Prop<T>("Height", TypeInfoInteger(), &TControl::Height, &TControl::SetHeight),
        Prop<T>("Hint", TypeInfoString(), &TControl::Hint, &TControl::SetHint),
        Prop<T>("Left", TypeInfoInteger(), &TControl::Left, &TControl::SetLeft),
        Prop<T>("MultiLine", TypeInfoBoolean(), &T::MultiLine, &T::SetMultiLine, 0),
        Prop<T>("ParentFont", TypeInfoBoolean(), &TControl::ParentFont, &TControl::SetParentFont,
                1),
        Prop<T>("ShowHint", TypeInfoBoolean(), &TControl::ShowHint, &TControl::SetShowHint),
        Prop<T>("TabIndex", TypeInfoInteger(), &T::TabIndex, &T::SetTabIndex, -1),
        Prop<T>("TabOrder", TypeInfoTTabOrder(), &TWinControl::TabOrder,
                &TWinControl::SetTabOrder, -1),
        Prop<T>("Tabs", TStrings::StaticClass()->ClassTypeInfo(), &T::Tabs, &T::SetTabs),
        Prop<T>("TabStop", TypeInfoBoolean(), &TWinControl::TabStop, &TWinControl::SetTabStop,
                1),
        Prop<T>("Top", TypeInfoInteger(), &TControl::Top, &TControl::SetTop),
        Prop<T>("Visible", TypeInfoBoolean(), &TControl::Visible, &TControl::SetVisible, 1),
        Prop<T>("Width", TypeInfoInteger(), &TControl::Width, &TControl::SetWidth),
        EventProp<T>("OnChange", TypeInfoTNotifyEvent(), &T::OnChange),
        EventProp<T>("OnChanging", TypeInfoTTabChangingEvent(), &T::OnChanging),
        EventProp<T>("OnEnter", TypeInfoTNotifyEvent(), &TWinControl::OnEnter),
        EventProp<T>("OnExit", TypeInfoTNotifyEvent(), &TWinControl::OnExit),
        EventProp<T>("OnMouseDown", TypeInfoTMouseEvent(), &TControl::OnMouseDown),
        EventProp<T>("OnMouseMove", TypeInfoTMouseMoveEvent(), &TControl::OnMouseMove),
        EventProp<T>("OnMouseUp", TypeInfoTMouseEvent(), &TControl::OnMouseUp),
        EventProp<T>("OnResize", TypeInfoTNotifyEvent(), &TControl::OnResize),
    };
}
Z_DEFINE_CLASS(TTabControl, TCustomTabControl, TabControlProps)

TTabControl::TTabControl(TComponent *owner) : TCustomTabControl(owner) {}

TCustomTabControl::TCustomTabControl(TComponent *owner)
    : TWinControl(owner), m_tabs(new TStringList)
{
    SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks);
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
    m_tabs->OnChange = TNotifyEvent::Of<&TCustomTabControl::TabsChanged>(this);
}

TCustomTabControl::~TCustomTabControl()
{
    // The widget (and the tab bar in it) goes later, with the children, in ~TWinControl;
    // nothing paints meanwhile.
    Destroying();
    delete m_tabs;
}

QWidget *TCustomTabControl::CreateWidget(QWidget *parentWidget)
{
    auto *w = new TCustomTabControlWidget(this, parentWidget);
    m_tabBar = new TTabBar(this, w);
    return w;
}

void TCustomTabControl::InitWidget()
{
    m_tabBar->setFont(Font()->ToQFont());
    SyncTabBar();
    TWinControl::InitWidget();
    LayOutTabs();
}

int TCustomTabControl::TabHeight() const
{
    if (m_tabHeightSetting > 0)
        return m_tabHeightSetting;
    return QFontMetrics(Font()->ToQFont()).height() + 7;
}

QRect TCustomTabControl::DisplayRect() const
{
    const int th = TabHeight();
    const QRect page = BottomTabs() ? QRect(0, 0, Width(), std::max(0, Height() - th))
                                    : QRect(0, th, Width(), std::max(0, Height() - th));
    // Button tabs have no page frame around the display area.
    const int inset = m_style == tsTabs ? kPageInset : 0;
    return page.adjusted(inset, inset, -inset, -inset);
}

void TCustomTabControl::SetStyle(TTabStyle style)
{
    m_style = style;
    LayOutTabs();
    Realign();
    Invalidate();
}

void TCustomTabControl::SetTabPosition(TTabPosition position)
{
    m_tabPosition = position;
    LayOutTabs();
    Realign();
    Invalidate();
}

void TCustomTabControl::SetTabHeight(int height)
{
    m_tabHeightSetting = std::max(0, height);
    SyncTabBar();
    LayOutTabs();
    Realign();
    Invalidate();
}

void TCustomTabControl::SetTabWidth(int width)
{
    m_tabWidth = std::max(0, width);
    SyncTabBar();
    LayOutTabs();
    Invalidate();
}

QRect TCustomTabControl::TabRect(int index) const
{
    if (!m_tabBar || index < 0 || index >= m_tabBar->count())
        return {};
    const QRect r = static_cast<TTabBar *>(m_tabBar)->PaintedRect(index);
    return r.intersected(QRect(QPoint(0, 0), m_tabBar->size())).translated(m_tabBar->pos());
}

void TCustomTabControl::LayOutTabs()
{
    if (!m_tabBar)
        return;
    // One pixel taller than the row: the current tab covers the page's top edge.
    if (BottomTabs())
        m_tabBar->setGeometry(0, Height() - TabHeight() - 1, Width(), TabHeight() + 1);
    else
        m_tabBar->setGeometry(0, 0, Width(), TabHeight() + 1);
    m_tabBar->lower();
}

void TCustomTabControl::SyncTabBar()
{
    if (!m_tabBar)
        return;
    const QSignalBlocker block(m_tabBar);
    while (m_tabBar->count() > m_tabs->Count())
        m_tabBar->removeTab(m_tabBar->count() - 1);
    for (int i = 0; i < m_tabs->Count(); ++i) {
        if (i < m_tabBar->count())
            m_tabBar->setTabText(i, m_tabs->Strings(i));
        else
            m_tabBar->addTab(m_tabs->Strings(i));
    }
    // Keeps the current tab scrolled into view; the bar's idea of "current" is not drawn.
    if (m_tabIndex >= 0)
        m_tabBar->setCurrentIndex(m_tabIndex);
    m_tabBar->update();
}

void TCustomTabControl::TabsChanged(TObject *)
{
    if (m_tabIndex >= m_tabs->Count())
        m_tabIndex = m_tabs->Count() - 1;
    SyncTabBar();
}

void TCustomTabControl::SetTabIndex(int index)
{
    if (index < -1 || index >= m_tabs->Count() || index == m_tabIndex)
        return;
    m_tabIndex = index;
    SyncTabBar();
}

void TCustomTabControl::SelectTab(int index)
{
    if (index < 0 || index >= m_tabs->Count() || index == m_tabIndex || !CanChange())
        return;
    m_tabIndex = index;
    SyncTabBar();
    Change();
}

bool TCustomTabControl::CanChange()
{
    bool allow = true;
    OnChanging(this, allow);
    return allow;
}

void TCustomTabControl::Change()
{
    OnChange(this);
}

bool TCustomTabControl::KeyDown(quint16 &key, TShiftState shift)
{
    if (TWinControl::KeyDown(key, shift))
        return true;
    const int count = m_tabs->Count();
    if (count == 0)
        return false;
    int target = -1;
    if (key == VK_LEFT)
        target = std::max(0, m_tabIndex - 1);
    else if (key == VK_RIGHT)
        target = std::min(count - 1, m_tabIndex + 1);
    else if (key == VK_HOME)
        target = 0;
    else if (key == VK_END)
        target = count - 1;
    if (target < 0)
        return false;
    SelectTab(target);
    return true;
}

void TCustomTabControl::FontChanged()
{
    TWinControl::FontChanged();
    if (m_tabBar)
        m_tabBar->setFont(Font()->ToQFont());
    LayOutTabs();
    Realign();
    Invalidate();
}

void TCustomTabControl::EnabledChanged()
{
    TWinControl::EnabledChanged();
    Invalidate();
}

void TCustomTabControl::PaintWidget(QPainter &painter)
{
    TWinControl::PaintWidget(painter);
    if (m_style != tsTabs)
        return;
    QRect page(0, BottomTabs() ? 0 : TabHeight(), Width(), std::max(0, Height() - TabHeight()));
    Frame3D(painter, page, clBtnHighlight, cl3DDkShadow, 1);
    Frame3D(painter, page, cl3DLight, clBtnShadow, 1);
}

// ---------------------------------------------------------------------------------------------

PTypeInfo TypeInfoTStatusPanelBevel()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TStatusPanelBevel"),
        {QStringLiteral("pbNone"), QStringLiteral("pbLowered"), QStringLiteral("pbRaised")});
    return t;
}

static TPropTable StatusPanelProps()
{
    using P = TStatusPanel;
    return {
        Prop<P>("Alignment", TypeInfoTAlignment(), &P::Alignment, &P::SetAlignment,
                taLeftJustify),
        Prop<P>("Bevel", TypeInfoTStatusPanelBevel(), &P::Bevel, &P::SetBevel, pbLowered),
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
    return {
        Prop<S>("Align", TypeInfoTAlign(), &TControl::Align, &TControl::SetAlign, alBottom),
        Prop<S>("Color", TypeInfoTColor(), &TControl::Color, &TControl::SetColor, clBtnFace),
        Prop<S>("Enabled", TypeInfoBoolean(), &TControl::Enabled, &TControl::SetEnabled, 1),
        Prop<S>("Font", TFont::StaticClass()->ClassTypeInfo(), &TControl::Font,
                &TControl::SetFont),
        Prop<S>("Height", TypeInfoInteger(), &TControl::Height, &TControl::SetHeight),
        Prop<S>("Hint", TypeInfoString(), &TControl::Hint, &TControl::SetHint),
        Prop<S>("Left", TypeInfoInteger(), &TControl::Left, &TControl::SetLeft),
        Prop<S>("Panels", TStatusPanels::StaticClass()->ClassTypeInfo(), &S::Panels,
                &S::SetPanels),
        Prop<S>("ParentColor", TypeInfoBoolean(), &TControl::ParentColor,
                &TControl::SetParentColor, 0),
        Prop<S>("ParentFont", TypeInfoBoolean(), &TControl::ParentFont, &TControl::SetParentFont,
                1),
        Prop<S>("ShowHint", TypeInfoBoolean(), &TControl::ShowHint, &TControl::SetShowHint),
        Prop<S>("SimplePanel", TypeInfoBoolean(), &S::SimplePanel, &S::SetSimplePanel, 0),
        Prop<S>("SimpleText", TypeInfoString(), &S::SimpleText, &S::SetSimpleText),
        Prop<S>("SizeGrip", TypeInfoBoolean(), &S::SizeGrip, &S::SetSizeGrip, 1),
        Prop<S>("Top", TypeInfoInteger(), &TControl::Top, &TControl::SetTop),
        Prop<S>("Visible", TypeInfoBoolean(), &TControl::Visible, &TControl::SetVisible, 1),
        Prop<S>("Width", TypeInfoInteger(), &TControl::Width, &TControl::SetWidth),
        EventProp<S>("OnClick", TypeInfoTNotifyEvent(), &TControl::OnClick),
        EventProp<S>("OnDblClick", TypeInfoTNotifyEvent(), &TControl::OnDblClick),
        EventProp<S>("OnMouseDown", TypeInfoTMouseEvent(), &TControl::OnMouseDown),
        EventProp<S>("OnMouseMove", TypeInfoTMouseMoveEvent(), &TControl::OnMouseMove),
        EventProp<S>("OnMouseUp", TypeInfoTMouseEvent(), &TControl::OnMouseUp),
        EventProp<S>("OnResize", TypeInfoTNotifyEvent(), &TControl::OnResize),
    };
}
Z_DEFINE_CLASS(TStatusBar, TWinControl, StatusBarProps)

TStatusBar::TStatusBar(TComponent *owner)
    : TWinControl(owner), m_panels(new TStatusPanels(this))
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
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += m_panels->Items(i)->Width();
    const bool last = index == m_panels->Count() - 1;
    const int right = last ? Width() - gripRoom : left + m_panels->Items(index)->Width();
    // Two pixels of the bar's face above the panels and between them.
    return QRect(left, 2, std::max(0, right - left - (last ? 0 : 2)), std::max(0, Height() - 2));
}

void TStatusBar::PaintWidget(QPainter &painter)
{
    TWinControl::PaintWidget(painter);
    painter.setFont(Font()->ToQFont());
    if (m_simplePanel) {
        QRect frame(0, 2, Width() - (ShowsGrip() ? kGripSize : 0), std::max(0, Height() - 2));
        QRect inner = frame;
        Frame3D(painter, inner, clBtnShadow, clBtnHighlight, 1);
        DrawPanelText(painter, frame, taLeftJustify, m_simpleText, this);
    } else {
        for (int i = 0; i < m_panels->Count(); ++i) {
            const TStatusPanel *panel = m_panels->Items(i);
            const QRect frame = PanelRect(i);
            QRect inner = frame;
            if (panel->Bevel() == pbLowered)
                Frame3D(painter, inner, clBtnShadow, clBtnHighlight, 1);
            else if (panel->Bevel() == pbRaised)
                Frame3D(painter, inner, clBtnHighlight, clBtnShadow, 1);
            DrawPanelText(painter, frame, panel->Alignment(), panel->Text(), this);
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
