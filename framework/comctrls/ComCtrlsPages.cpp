#include "ComCtrlsPages.h"

#include "ControlProps.h"
#include "ImgList.h"

#include <algorithm>

// --- TTabSheet ------------------------------------------------------------------------------

static TPropTable TabSheetProps()
{
    using S = TTabSheet;
    TPropTable t = ControlProps(
        {"Caption", "Constraints", "Cursor", "DragMode", "Enabled", "Font", "Height",
         "HelpContext", "Hint", "Left", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint",
         "Top", "Visible", "Width", "OnContextPopup", "OnDragDrop", "OnDragOver", "OnEndDrag",
         "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnResize",
         "OnStartDrag"});
    const TPropTable own = {
        Prop<S>("BorderWidth", TypeInfoInteger(), &S::BorderWidth, &S::SetBorderWidth, 0),
        Prop<S>("Highlighted", TypeInfoBoolean(), &S::Highlighted, &S::SetHighlighted, 0),
        Prop<S>("ImageIndex", TypeInfoTImageIndex(), &S::ImageIndex, &S::SetImageIndex, -1),
        Prop<S>("PageControl", TPageControl::StaticClass()->ClassTypeInfo(), &S::PageControl,
                &S::SetPageControl),
        Prop<S>("PageIndex", TypeInfoInteger(), &S::PageIndex, &S::SetPageIndex),
        Prop<S>("TabVisible", TypeInfoBoolean(), &S::TabVisible, &S::SetTabVisible, 1),
        EventProp<S>("OnHide", TypeInfoTNotifyEvent(), &S::OnHide),
        EventProp<S>("OnShow", TypeInfoTNotifyEvent(), &S::OnShow),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(TTabSheet, TWinControl, TabSheetProps)

TTabSheet::TTabSheet(TComponent *owner) : TWinControl(owner)
{
    SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks
                    | csSetCaption);
    // Hidden until its page control shows it.
    SetVisible(false);
}

TTabSheet::~TTabSheet()
{
    Destroying();
    if (m_pageControl)
        m_pageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl *pageControl)
{
    if (pageControl == m_pageControl)
        return;
    if (m_pageControl)
        m_pageControl->RemovePage(this);
    TWinControl::SetParent(pageControl);
    if (pageControl)
        pageControl->InsertPage(this);
}

void TTabSheet::SetParent(TWinControl *parent)
{
    if (auto *pageControl = ObjectCast<TPageControl>(parent)) {
        SetPageControl(pageControl);
        return;
    }
    if (m_pageControl)
        m_pageControl->RemovePage(this);
    TWinControl::SetParent(parent);
}

int TTabSheet::PageIndex() const
{
    if (!m_pageControl)
        return -1;
    const auto &pages = m_pageControl->m_pages;
    return int(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index)
{
    if (m_pageControl)
        m_pageControl->MovePage(this, index);
}

int TTabSheet::TabIndex() const
{
    if (!m_pageControl || !m_tabVisible)
        return -1;
    int index = 0;
    for (TTabSheet *page : m_pageControl->m_pages) {
        if (page == this)
            return index;
        if (page->m_tabVisible)
            ++index;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool v)
{
    if (v == m_tabVisible)
        return;
    m_tabVisible = v;
    if (m_pageControl)
        m_pageControl->UpdateTabs();
}

void TTabSheet::SetImageIndex(int index)
{
    m_imageIndex = index;
    // The tab grows or shrinks by the image.
    if (m_pageControl)
        m_pageControl->LayoutChanged();
}

void TTabSheet::SetBorderWidth(int width)
{
    m_borderWidth = std::max(0, width);
    Realign();
    Invalidate();
}

void TTabSheet::SetHighlighted(bool v)
{
    m_highlighted = v;
    if (m_pageControl)
        m_pageControl->Invalidate();
}

void TTabSheet::TextChanged()
{
    if (m_pageControl)
        m_pageControl->UpdateTabs();
}

void TTabSheet::AdjustClientRect(QRect &rect) const
{
    rect.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
}

// --- TPageControl ---------------------------------------------------------------------------

static TPropTable PageControlProps()
{
    using P = TPageControl;
    TPropTable t = ControlProps(
        {"Align", "Anchors", "BiDiMode", "Constraints", "Cursor", "DockSite", "DragCursor",
         "DragKind", "DragMode", "Enabled", "Font", "Height", "HelpContext", "Hint", "Left",
         "ParentBiDiMode", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder",
         "TabStop", "Top", "Visible", "Width", "OnContextPopup", "OnDockDrop", "OnDockOver",
         "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnEnter", "OnExit",
         "OnGetSiteInfo", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnResize", "OnStartDock",
         "OnStartDrag", "OnUnDock"});
    SetPropDefault(t, "TabStop", 1);
    const TPropTable own = {
        Prop<P>("ActivePage", TTabSheet::StaticClass()->ClassTypeInfo(), &P::ActivePage,
                &P::SetActivePage),
        Prop<P>("HotTrack", TypeInfoBoolean(), &P::HotTrack, &P::SetHotTrack, 0),
        Prop<P>("Images", TCustomImageList::StaticClass()->ClassTypeInfo(), &P::Images,
                &P::SetImages),
        Prop<P>("MultiLine", TypeInfoBoolean(), &P::MultiLine, &P::SetMultiLine, 0),
        Prop<P>("OwnerDraw", TypeInfoBoolean(), &P::OwnerDraw, &P::SetOwnerDraw, 0),
        Prop<P>("RaggedRight", TypeInfoBoolean(), &P::RaggedRight, &P::SetRaggedRight, 0),
        Prop<P>("ScrollOpposite", TypeInfoBoolean(), &P::ScrollOpposite, &P::SetScrollOpposite,
                0),
        Prop<P>("Style", TypeInfoTTabStyle(), &P::Style, &P::SetStyle, tsTabs),
        Prop<P>("TabHeight", TypeInfoSmallInt(), &P::TabHeightSetting, &P::SetTabHeight, 0),
        Prop<P>("TabPosition", TypeInfoTTabPosition(), &P::TabPosition, &P::SetTabPosition,
                tpTop),
        Prop<P>("TabWidth", TypeInfoSmallInt(), &P::TabWidth, &P::SetTabWidth, 0),
        EventProp<P>("OnChange", TypeInfoTNotifyEvent(), &P::OnChange),
        EventProp<P>("OnChanging", TypeInfoTTabChangingEvent(), &P::OnChanging),
        EventProp<P>("OnDrawTab", TypeInfoTDrawTabEvent(), &P::OnDrawTab),
        EventProp<P>("OnGetImageIndex", TypeInfoTTabGetImageEvent(), &P::OnGetImageIndex),
    };
    t.insert(t.end(), own.begin(), own.end());
    return t;
}
Z_DEFINE_CLASS(TPageControl, TCustomTabControl, PageControlProps)

TPageControl::TPageControl(TComponent *owner) : TCustomTabControl(owner)
{
    // Only sheets go into a page control; other controls go onto its sheets.
    SetControlStyle(ControlStyle() & ~csAcceptsControls);
}

TPageControl::~TPageControl()
{
    Destroying();
    // The sheets still here go with the children; they need not tell us.
    for (TTabSheet *page : m_pages)
        page->m_pageControl = nullptr;
    m_pages.clear();
    m_activePage = nullptr;
}

TTabSheet *TPageControl::Pages(int index) const
{
    if (index < 0 || index >= PageCount())
        throw EListError(FormatMessage(QStringLiteral("List index out of bounds (%d)"),
                                       {QString::number(index)}));
    return m_pages[size_t(index)];
}

int TPageControl::ActivePageIndex() const
{
    return m_activePage ? m_activePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int index)
{
    if (index >= 0 && index < PageCount())
        SetActivePage(m_pages[size_t(index)]);
    else
        SetActivePage(nullptr);
}

void TPageControl::SetActivePage(TTabSheet *page)
{
    if (page && page->m_pageControl != this)
        return;
    if (page == m_activePage)
        return;
    TTabSheet *old = m_activePage;
    m_activePage = page;
    if (page)
        ShowPage(page);
    if (old) {
        old->SetVisible(false);
        old->OnHide(old);
    }
    SetTabIndex(page ? page->TabIndex() : -1);
}

void TPageControl::ShowPage(TTabSheet *page)
{
    page->SetBoundsRect(DisplayRect());
    page->SetVisible(true);
    // At design time every sheet's widget shows: the active one goes on top.
    page->BringToFront();
    page->OnShow(page);
}

TTabSheet *TPageControl::FindNextPage(TTabSheet *current, bool goForward,
                                      bool checkTabVisible) const
{
    const int count = PageCount();
    if (count == 0)
        return nullptr;
    int start = current ? current->PageIndex() : -1;
    if (start < 0)
        start = goForward ? count - 1 : 0;
    int i = start;
    for (int step = 0; step < count; ++step) {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        TTabSheet *page = m_pages[size_t(i)];
        if (!checkTabVisible || page->TabVisible())
            return page;
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool goForward, bool checkTabVisible)
{
    TTabSheet *page = FindNextPage(m_activePage, goForward, checkTabVisible);
    if (!page || page == m_activePage || !CanChange())
        return;
    SetActivePage(page);
    TCustomTabControl::Change();
}

void TPageControl::Change()
{
    // The user picked a tab: show its page, then tell OnChange.
    if (!m_updatingTabs) {
        for (TTabSheet *page : m_pages) {
            if (page->TabIndex() == TabIndex() && TabIndex() >= 0) {
                SetActivePage(page);
                break;
            }
        }
    }
    TCustomTabControl::Change();
}

int TPageControl::GetImageIndex(int tabIndex) const
{
    for (TTabSheet *page : m_pages) {
        if (page->TabIndex() == tabIndex)
            return page->ImageIndex();
    }
    return -1;
}

bool TPageControl::KeyDown(quint16 &key, TShiftState shift)
{
    if (key == VK_TAB && (shift & ssCtrl)) {
        SelectNextPage(!(shift & ssShift));
        return true;
    }
    return TCustomTabControl::KeyDown(key, shift);
}

void TPageControl::AlignControls(TControl *changed)
{
    TCustomTabControl::AlignControls(changed);
    const QRect display = DisplayRect();
    for (TTabSheet *page : m_pages)
        page->SetBoundsRect(display);
}

void TPageControl::InsertPage(TTabSheet *page)
{
    m_pages.push_back(page);
    page->m_pageControl = this;
    page->SetBoundsRect(DisplayRect());
    UpdateTabs();
    if (!m_activePage)
        SetActivePage(page);
    else
        page->SetVisible(false);
}

void TPageControl::RemovePage(TTabSheet *page)
{
    // The page after it (or, for the last one, the first) takes over when it was shown.
    TTabSheet *next = FindNextPage(page, true, !Designing());
    if (next == page)
        next = nullptr;
    m_pages.erase(std::remove(m_pages.begin(), m_pages.end(), page), m_pages.end());
    page->m_pageControl = nullptr;
    const bool wasActive = page == m_activePage;
    if (wasActive)
        m_activePage = nullptr;
    UpdateTabs();
    if (wasActive && !IsDestroying())
        SetActivePage(next);
}

void TPageControl::MovePage(TTabSheet *page, int index)
{
    const int from = page->PageIndex();
    index = std::clamp(index, 0, PageCount() - 1);
    if (from < 0 || from == index)
        return;
    m_pages.erase(m_pages.begin() + from);
    m_pages.insert(m_pages.begin() + index, page);
    UpdateTabs();
}

void TPageControl::UpdateTabs()
{
    if (IsDestroying())
        return;
    m_updatingTabs = true;
    TStrings *tabs = Tabs();
    tabs->BeginUpdate();
    tabs->Clear();
    for (TTabSheet *page : m_pages) {
        if (page->TabVisible())
            tabs->Add(page->Caption());
    }
    tabs->EndUpdate();
    m_updatingTabs = false;
    SetTabIndex(m_activePage ? m_activePage->TabIndex() : -1);
}
