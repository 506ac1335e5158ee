// The tab control: its tabs, their layout on the chosen side, scrolling, the user's choice of
// tab and the published tables. Painting is in ComCtrlsTabPaint.cpp.

#include "ComCtrls.h"

#include "ComCtrlsTabLayout.h"
#include "ControlProps.h"
#include "ControlWidget.h"
#include "ImgList.h"
#include "SafeCall.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

// Tells the control when the mouse leaves it, so that a hot-tracked tab cools down.
class TCustomTabControlWidget : public TControlWidget
{
public:
    TCustomTabControlWidget(TCustomTabControl *control, QWidget *parent)
        : TControlWidget(control, parent), m_control(control)
    {
        setMouseTracking(true);
    }

protected:
    void leaveEvent(QEvent *) override
    {
        SafeCall([this] { m_control->MouseLeft(); });
    }

private:
    TCustomTabControl *m_control; // not owned: the control owns this widget
};

bool IsSide(TTabPosition position)
{
    return position == tpLeft || position == tpRight;
}

} // namespace

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

PTypeInfo TypeInfoTDrawTabEvent()
{
    static const PTypeInfo t = NewMethodType(
        QStringLiteral("TDrawTabEvent"),
        QStringLiteral("Control: TCustomTabControl; TabIndex: Integer; const Rect: TRect; "
                       "Active: Boolean"));
    return t;
}

PTypeInfo TypeInfoTTabGetImageEvent()
{
    static const TTypeInfo *t = NewMethodType(
        QStringLiteral("TTabGetImageEvent"),
        QStringLiteral("Sender: TObject; TabIndex: Integer; var ImageIndex: Integer"));
    return t;
}

Z_DEFINE_CLASS(TCustomTabControl, TWinControl, NoPublishedProps)

static TPropTable TabControlProps()
{
    using T = TTabControl;
    TPropTable t = ControlProps(
        {"Align", "Anchors", "BiDiMode", "Constraints", "Cursor", "DragCursor", "DragKind",
         "DragMode", "Enabled", "Font", "Height", "HelpContext", "Hint", "Left",
         "ParentBiDiMode", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder",
         "TabStop", "Top", "Visible", "Width", "OnContextPopup", "OnDragDrop", "OnDragOver",
         "OnEndDock", "OnEndDrag", "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove",
         "OnMouseUp", "OnResize", "OnStartDock", "OnStartDrag"});
    SetPropDefault(t, "TabStop", 1);
    const TPropTable own = {
        Prop<T>("HotTrack", TypeInfoBoolean(), &T::HotTrack, &T::SetHotTrack, 0),
        Prop<T>("Images", TCustomImageList::StaticClass()->ClassTypeInfo(), &T::Images,
                &T::SetImages),
        Prop<T>("MultiLine", TypeInfoBoolean(), &T::MultiLine, &T::SetMultiLine, 0),
        Prop<T>("OwnerDraw", TypeInfoBoolean(), &T::OwnerDraw, &T::SetOwnerDraw, 0),
        Prop<T>("RaggedRight", TypeInfoBoolean(), &T::RaggedRight, &T::SetRaggedRight, 0),
        Prop<T>("ScrollOpposite", TypeInfoBoolean(), &T::ScrollOpposite, &T::SetScrollOpposite,
                0),
        Prop<T>("Style", TypeInfoTTabStyle(), &T::Style, &T::SetStyle, tsTabs),
        Prop<T>("TabHeight", TypeInfoSmallInt(), &T::TabHeightSetting, &T::SetTabHeight, 0),
        Prop<T>("TabIndex", TypeInfoInteger(), &T::TabIndex, &T::SetTabIndex, -1),
        Prop<T>("TabPosition", TypeInfoTTabPosition(), &T::TabPosition, &T::SetTabPosition,
                tpTop),
        Prop<T>("Tabs", TStrings::StaticClass()->ClassTypeInfo(), &T::Tabs, &T::SetTabs),
        Prop<T>("TabWidth", TypeInfoSmallInt(), &T::TabWidth, &T::SetTabWidth, 0),
        EventProp<T>("OnChange", TypeInfoTNotifyEvent(), &T::OnChange),
        EventProp<T>("OnChanging", TypeInfoTTabChangingEvent(), &T::OnChanging),
        EventProp<T>("OnDrawTab", TypeInfoTDrawTabEvent(), &T::OnDrawTab),
        EventProp<T>("OnGetImageIndex", TypeInfoTTabGetImageEvent(), &T::OnGetImageIndex),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(TTabControl, TCustomTabControl, TabControlProps)

TTabControl::TTabControl(TComponent *owner) : TCustomTabControl(owner) {}

TCustomTabControl::TCustomTabControl(TComponent *owner)
    : TWinControl(owner), m_tabs(new TStringList), m_imageChangeLink(new TChangeLink),
      m_canvas(new TCanvas)
{
    SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks);
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
    m_tabs->OnChange = TNotifyEvent::Of<&TCustomTabControl::TabsChanged>(this);
    m_imageChangeLink->OnChange = TNotifyEvent::Of<&TCustomTabControl::ImagesChanged>(this);
}

TCustomTabControl::~TCustomTabControl()
{
    // The widget goes later, with the children, in ~TWinControl; nothing paints meanwhile.
    Destroying();
    if (m_images) {
        m_images->UnRegisterChanges(m_imageChangeLink);
        m_images->RemoveFreeNotification(this);
    }
    delete m_imageChangeLink;
    delete m_tabs;
    delete m_canvas;
}

void TCustomTabControl::SetOwnerDraw(bool v)
{
    m_ownerDraw = v;
    Invalidate();
}

QWidget *TCustomTabControl::CreateWidget(QWidget *parentWidget)
{
    return new TCustomTabControlWidget(this, parentWidget);
}

// --- Layout ---------------------------------------------------------------------------------

int TCustomTabControl::TabHeight() const
{
    if (m_tabHeightSetting > 0)
        return m_tabHeightSetting;
    int height = QFontMetrics(Font()->ToQFont()).height() + 7;
    if (m_images) {
        const int across = IsSide(m_tabPosition) ? m_images->Width() : m_images->Height();
        height = std::max(height, across + 6);
    }
    return height;
}

int TCustomTabControl::TabLength(int index) const
{
    if (m_tabWidth > 0)
        return m_tabWidth;
    const QFontMetrics metrics(Font()->ToQFont());
    int length = metrics.horizontalAdvance(ShownCaption(m_tabs->Strings(index))) + 12;
    if (m_images && ImageIndexOfTab(index) >= 0)
        length += (IsSide(m_tabPosition) ? m_images->Height() : m_images->Width()) + 3;
    return length;
}

int TCustomTabControl::ImageIndexOfTab(int tabIndex) const
{
    int image = GetImageIndex(tabIndex);
    OnGetImageIndex(const_cast<TCustomTabControl *>(this), tabIndex, image);
    return image;
}

TTabLayoutInput TCustomTabControl::LayoutInput() const
{
    TTabLayoutInput in;
    for (int i = 0; i < m_tabs->Count(); ++i)
        in.Lengths.push_back(TabLength(i));
    in.Thickness = TabHeight();
    const bool side = IsSide(m_tabPosition);
    in.Extent = side ? Height() : Width();
    in.Depth = side ? Width() : Height();
    in.Selected = m_tabIndex;
    in.FirstVisible = m_firstVisible;
    in.MultiLine = m_multiLine;
    in.RaggedRight = m_raggedRight;
    in.ScrollOpposite = m_scrollOpposite;
    in.Buttons = m_style != tsTabs;
    return in;
}

TTabLayout TCustomTabControl::Layout() const
{
    return LayOutTabStrip(LayoutInput());
}

QRect TCustomTabControl::ToControl(const QRect &r) const
{
    if (r.isEmpty())
        return {};
    switch (m_tabPosition) {
    case tpBottom: return QRect(r.x(), Height() - r.y() - r.height(), r.width(), r.height());
    case tpLeft: return QRect(r.y(), r.x(), r.height(), r.width());
    case tpRight: return QRect(Width() - r.y() - r.height(), r.x(), r.height(), r.width());
    default: return r;
    }
}

QRect TCustomTabControl::DisplayRect() const
{
    const QRect page = ToControl(Layout().Page);
    // Button tabs have no page frame around the display area.
    const int inset = m_style == tsTabs ? 4 : 0;
    if (page.width() <= 2 * inset || page.height() <= 2 * inset)
        return QRect(page.topLeft(), QSize(0, 0));
    return page.adjusted(inset, inset, -inset, -inset);
}

int TCustomTabControl::RowCount() const
{
    return Layout().RowCount;
}

QRect TCustomTabControl::TabRect(int index) const
{
    if (index < 0 || index >= m_tabs->Count())
        return {};
    return ToControl(Layout().Tabs[size_t(index)]);
}

int TCustomTabControl::IndexOfTabAt(int x, int y) const
{
    const TTabLayout layout = Layout();
    const QPoint p(x, y);
    // The current tab stands over its neighbours: it is hit first.
    if (m_tabIndex >= 0 && m_tabIndex < m_tabs->Count()
        && ToControl(layout.Tabs[size_t(m_tabIndex)]).contains(p))
        return m_tabIndex;
    for (int i = 0; i < m_tabs->Count(); ++i) {
        if (ToControl(layout.Tabs[size_t(i)]).contains(p))
            return i;
    }
    return -1;
}

QRect TCustomTabControl::ScrollArrowRect(bool forward) const
{
    const TTabLayout layout = Layout();
    if (!layout.Scrolls)
        return {};
    return ToControl(forward ? layout.ForwardArrow : layout.BackArrow);
}

int TCustomTabControl::FirstVisibleTab() const
{
    return Layout().FirstVisible;
}

void TCustomTabControl::ScrollTabs(int delta)
{
    const TTabLayout layout = Layout();
    if (!layout.Scrolls || delta == 0)
        return;
    if ((delta > 0 && !layout.CanScrollForward) || (delta < 0 && !layout.CanScrollBack))
        return;
    m_firstVisible = std::clamp(layout.FirstVisible + delta, 0, m_tabs->Count() - 1);
    Invalidate();
}

void TCustomTabControl::ScrollIntoView(int index)
{
    m_firstVisible = ScrollToShow(LayoutInput(), index);
}

void TCustomTabControl::LayoutChanged()
{
    if (IsDestroying())
        return;
    Realign();
    Invalidate();
}

// --- Properties -----------------------------------------------------------------------------

void TCustomTabControl::SetMultiLine(bool v)
{
    if (v == m_multiLine)
        return;
    if (!v && IsSide(m_tabPosition))
        throw EInvalidOperation(
            QStringLiteral("MultiLine must be True when TabPosition is tpLeft or tpRight"));
    m_multiLine = v;
    if (!v)
        m_scrollOpposite = false;
    ScrollIntoView(m_tabIndex);
    LayoutChanged();
}

void TCustomTabControl::SetStyle(TTabStyle style)
{
    if (style == m_style)
        return;
    if (style != tsTabs && m_tabPosition != tpTop)
        throw EInvalidOperation(
            QStringLiteral("Tab style incompatible with current tab position"));
    m_style = style;
    LayoutChanged();
}

void TCustomTabControl::SetTabPosition(TTabPosition position)
{
    if (position == m_tabPosition)
        return;
    if (m_style != tsTabs && position != tpTop)
        throw EInvalidOperation(
            QStringLiteral("Tab position incompatible with current tab style"));
    m_tabPosition = position;
    if (IsSide(position))
        m_multiLine = true;
    LayoutChanged();
}

void TCustomTabControl::SetHotTrack(bool v)
{
    m_hotTrack = v;
    m_hotIndex = -1;
    Invalidate();
}

void TCustomTabControl::SetRaggedRight(bool v)
{
    m_raggedRight = v;
    LayoutChanged();
}

void TCustomTabControl::SetScrollOpposite(bool v)
{
    m_scrollOpposite = v;
    if (v)
        m_multiLine = true;
    LayoutChanged();
}

void TCustomTabControl::SetTabHeight(int height)
{
    m_tabHeightSetting = std::max(0, height);
    LayoutChanged();
}

void TCustomTabControl::SetTabWidth(int width)
{
    m_tabWidth = std::max(0, width);
    ScrollIntoView(m_tabIndex);
    LayoutChanged();
}

void TCustomTabControl::SetImages(TCustomImageList *images)
{
    if (m_images)
        m_images->UnRegisterChanges(m_imageChangeLink);
    SetReference(this, m_images, images);
    if (m_images)
        m_images->RegisterChanges(m_imageChangeLink);
    LayoutChanged();
}

void TCustomTabControl::ImagesChanged(TObject *)
{
    LayoutChanged();
}

void TCustomTabControl::Notification(TComponent *component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == m_images) {
        // The list drops its change links itself as it goes.
        m_images = nullptr;
        LayoutChanged();
    }
}

// --- The current tab ------------------------------------------------------------------------

void TCustomTabControl::TabsChanged(TObject *)
{
    if (m_tabIndex >= m_tabs->Count())
        m_tabIndex = m_tabs->Count() - 1;
    ScrollIntoView(m_tabIndex);
    LayoutChanged();
}

void TCustomTabControl::SetTabIndex(int index)
{
    if (index < -1 || index >= m_tabs->Count() || index == m_tabIndex)
        return;
    m_tabIndex = index;
    ScrollIntoView(index);
    LayoutChanged();
}

void TCustomTabControl::SelectTab(int index)
{
    if (index < 0 || index >= m_tabs->Count() || index == m_tabIndex || !CanChange())
        return;
    m_tabIndex = index;
    ScrollIntoView(index);
    LayoutChanged();
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

// --- Input ----------------------------------------------------------------------------------

bool TCustomTabControl::KeyDown(quint16 &key, TShiftState shift)
{
    if (TWinControl::KeyDown(key, shift))
        return true;
    const int count = m_tabs->Count();
    if (count == 0)
        return false;
    // Tabs down a side also move with the up and down arrows.
    const bool side = IsSide(m_tabPosition);
    int target = -1;
    if (key == VK_LEFT || (side && key == VK_UP))
        target = std::max(0, m_tabIndex - 1);
    else if (key == VK_RIGHT || (side && key == VK_DOWN))
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

void TCustomTabControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TWinControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || Designing())
        return;
    const TTabLayout layout = Layout();
    if (layout.Scrolls) {
        if (ToControl(layout.BackArrow).contains(x, y)) {
            ScrollTabs(-1);
            return;
        }
        if (ToControl(layout.ForwardArrow).contains(x, y)) {
            ScrollTabs(1);
            return;
        }
    }
    const int hit = IndexOfTabAt(x, y);
    if (hit >= 0)
        SelectTab(hit);
}

void TCustomTabControl::MouseMove(TShiftState shift, int x, int y)
{
    TWinControl::MouseMove(shift, x, y);
    if (!m_hotTrack || Designing())
        return;
    const int hot = IndexOfTabAt(x, y);
    if (hot != m_hotIndex) {
        m_hotIndex = hot;
        Invalidate();
    }
}

void TCustomTabControl::MouseLeft()
{
    if (IsDestroying() || m_hotIndex < 0)
        return;
    m_hotIndex = -1;
    Invalidate();
}

void TCustomTabControl::FontChanged()
{
    TWinControl::FontChanged();
    LayoutChanged();
}

void TCustomTabControl::EnabledChanged()
{
    TWinControl::EnabledChanged();
    Invalidate();
}

void TCustomTabControl::Resize()
{
    TWinControl::Resize();
    Invalidate();
}
