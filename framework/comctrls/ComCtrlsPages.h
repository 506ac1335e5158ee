#pragma once

// The page control and its tab sheets: a tab control whose tabs are the captions of its pages,
// showing one page at a time.

#include "ComCtrls.h"

#include <vector>

class TPageControl;

// A page of a page control: a container the page control sizes to its display area and shows
// while its tab is current. Freeing a sheet removes its page.
class TTabSheet : public TWinControl
{
    Z_CLASS(TTabSheet)
public:
    explicit TTabSheet(TComponent *owner);
    ~TTabSheet() override;

    TPageControl *PageControl() const { return m_pageControl; } // not owned: our parent
    // Makes the sheet a page (the last) of pageControl, its parent too; nullptr takes it out.
    void SetPageControl(TPageControl *pageControl);
    // The position among the page control's pages, -1 outside one. Setting moves the page.
    int PageIndex() const;
    void SetPageIndex(int index);
    // The position among the tabs shown, -1 when the sheet has no tab.
    int TabIndex() const;
    bool TabVisible() const { return m_tabVisible; }
    void SetTabVisible(bool v);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);
    bool Highlighted() const { return m_highlighted; }
    void SetHighlighted(bool v);

    // A sheet given a page control as its parent becomes one of its pages.
    void SetParent(TWinControl *parent) override;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    void TextChanged() override;
    void AdjustClientRect(QRect &rect) const override;

private:
    TPageControl *m_pageControl = nullptr;
    bool m_tabVisible = true;
    int m_imageIndex = -1;
    int m_borderWidth = 0;
    bool m_highlighted = false;

    friend class TPageControl;
};

class TPageControl : public TCustomTabControl
{
    Z_CLASS(TPageControl)
public:
    explicit TPageControl(TComponent *owner);
    ~TPageControl() override;

    int PageCount() const { return int(m_pages.size()); }
    // Raises EListError for an index out of range.
    TTabSheet *Pages(int index) const;
    // The page shown; nullptr when there is none. Setting it asks nobody (no OnChanging).
    TTabSheet *ActivePage() const { return m_activePage; } // not owned
    void SetActivePage(TTabSheet *page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

    // The page after (or before) current, wrapping round at either end; with checkTabVisible,
    // pages without a tab are passed over. current may be nullptr (start from an end).
    TTabSheet *FindNextPage(TTabSheet *current, bool goForward, bool checkTabVisible) const;
    // Moves to the next page as the user does with Ctrl+Tab: OnChanging may refuse,
    // OnChange follows.
    void SelectNextPage(bool goForward, bool checkTabVisible = true);

    bool KeyDown(quint16 &key, TShiftState shift) override;

protected:
    void Change() override;
    void AlignControls(TControl *changed) override;
    // The image of the sheet that shows the tab.
    int GetImageIndex(int tabIndex) const override;

private:
    void InsertPage(TTabSheet *page);
    void RemovePage(TTabSheet *page);
    void MovePage(TTabSheet *page, int index);
    // Rebuilds the tab list from the sheets that show a tab.
    void UpdateTabs();
    void ShowPage(TTabSheet *page);

    std::vector<TTabSheet *> m_pages; // not owned: sheets are owned by their owners
    TTabSheet *m_activePage = nullptr;
    bool m_updatingTabs = false;

    friend class TTabSheet;
};
