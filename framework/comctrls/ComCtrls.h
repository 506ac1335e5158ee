#pragma once

// Common controls: the tab control and the status bar with its panels.

#include "Collections.h"
#include "StdCtrls.h"

class QSizeGrip;
class TChangeLink;
class TCustomImageList;
struct TTabLayout;
struct TTabLayoutInput;

using TTabChangingEvent = TEvent<TObject *, bool &>;
using TTabGetImageEvent = TEvent<TObject *, int, int &>;
class TCustomTabControl;
// Draws tab TabIndex inside Rect; Active: it is the current tab.
using TDrawTabEvent = TEvent<TCustomTabControl *, int, QRect, bool>;
PTypeInfo TypeInfoTDrawTabEvent();
PTypeInfo TypeInfoTTabChangingEvent();
PTypeInfo TypeInfoTTabGetImageEvent();

enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
PTypeInfo TypeInfoTTabStyle();
PTypeInfo TypeInfoTTabPosition();

// Tabs along one side of a framed page. The tabs come from Tabs; children sit in the page
// (DisplayRect), and which tab is current is all the control changes: the children stay.
// Tabs at the left or right run down that side with their captions turned, and always wrap
// into rows (MultiLine). Wrapped rows turn so that the current tab's row lies next to the page;
// a single row that does not fit scrolls with two arrows. Button styles go with top tabs only.
class TCustomTabControl : public TWinControl
{
    Z_CLASS(TCustomTabControl)
public:
    explicit TCustomTabControl(TComponent *owner);
    ~TCustomTabControl() override;

    TStrings *Tabs() const { return m_tabs; } // owned
    void SetTabs(TStrings *tabs) { m_tabs->Assign(tabs); }
    // -1: no tab. Setting it by code calls neither OnChanging nor OnChange; values out of
    // range are ignored. The tab is scrolled into sight.
    int TabIndex() const { return m_tabIndex; }
    void SetTabIndex(int index);
    // Raises EInvalidOperation when switched off while the tabs are at the left or right;
    // switching it off also ends ScrollOpposite.
    bool MultiLine() const { return m_multiLine; }
    void SetMultiLine(bool v);
    // Tabs drawn as tabs over a framed page, or as (flat) buttons over a frameless one.
    // Raises EInvalidOperation for buttons with tabs elsewhere than at the top.
    TTabStyle Style() const { return m_style; }
    void SetStyle(TTabStyle style);
    // Raises EInvalidOperation for a side other than the top with button styles; the left
    // and right sides switch MultiLine on.
    TTabPosition TabPosition() const { return m_tabPosition; }
    void SetTabPosition(TTabPosition position);
    // The caption of the tab under the mouse is drawn in the hot-track colour.
    bool HotTrack() const { return m_hotTrack; }
    void SetHotTrack(bool v);
    // Wrapped rows keep their own length instead of being stretched to the whole strip.
    bool RaggedRight() const { return m_raggedRight; }
    void SetRaggedRight(bool v);
    // Wrapped rows in front of the current tab's row go to the other side of the page.
    // Switching it on switches MultiLine on.
    bool ScrollOpposite() const { return m_scrollOpposite; }
    void SetScrollOpposite(bool v);
    // A fixed height (width) of every tab; 0 sizes them by font (caption and image). Tabs at
    // a side take the height across the strip and the width along it.
    int TabHeightSetting() const { return m_tabHeightSetting; }
    void SetTabHeight(int height);
    int TabWidth() const { return m_tabWidth; }
    void SetTabWidth(int width);
    // Each tab shows its image (GetImageIndex) before its caption.
    TCustomImageList *Images() const { return m_images; } // not owned
    void SetImages(TCustomImageList *images);
    // OnDrawTab draws each tab's inside (caption and image) on Canvas; the edges stay.
    bool OwnerDraw() const { return m_ownerDraw; }
    void SetOwnerDraw(bool v);
    // Where OnDrawTab draws, while it draws.
    TCanvas *Canvas() const { return m_canvas; } // owned
    bool BottomTabs() const { return m_tabPosition == tpBottom; }

    // The page area inside its frame, in the control's coordinates.
    QRect DisplayRect() const;
    // One row of tabs across the strip.
    int TabHeight() const;
    int RowCount() const;
    // The rectangle tab index is drawn in, in the control's coordinates; empty for an index
    // out of range or a tab scrolled out of sight.
    QRect TabRect(int index) const;
    // The tab at the point, or -1.
    int IndexOfTabAt(int x, int y) const;
    // A scrolled row: the arrow that scrolls back (or forward), empty when the row fits.
    QRect ScrollArrowRect(bool forward) const;
    // The first tab shown in a scrolled row.
    int FirstVisibleTab() const;
    // Scrolls a row that does not fit by delta tabs.
    void ScrollTabs(int delta);
    // The image the tab shows: OnGetImageIndex's answer, by default GetImageIndex's.
    int ImageIndexOfTab(int tabIndex) const;

    // Asked before the user changes the tab; clearing AllowChange keeps the current one.
    TTabChangingEvent OnChanging;
    // After the user changed the tab.
    TNotifyEvent OnChange;
    TTabGetImageEvent OnGetImageIndex;
    TDrawTabEvent OnDrawTab;

    // Makes index current as the user's choice: asks OnChanging, then tells OnChange.
    void SelectTab(int index);
    bool KeyDown(quint16 &key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void PaintWidget(QPainter &painter) override;
    void Notification(TComponent *component, TOperation operation) override;
    // Framework-internal: the mouse left the control.
    void MouseLeft();

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void AdjustClientRect(QRect &rect) const override { rect = DisplayRect(); }
    void FontChanged() override;
    void EnabledChanged() override;
    void Resize() override;
    virtual bool CanChange();
    virtual void Change();
    // The image of a tab before OnGetImageIndex is asked: the tab's own index.
    virtual int GetImageIndex(int tabIndex) const { return tabIndex; }
    // After anything that moves the tabs or the page: the children follow, the control
    // repaints.
    void LayoutChanged();

private:
    void TabsChanged(TObject *sender);
    void ImagesChanged(TObject *sender);
    void ScrollIntoView(int index);
    TTabLayoutInput LayoutInput() const;
    TTabLayout Layout() const;
    // From the layout frame (strip along the top) to the control's coordinates.
    QRect ToControl(const QRect &r) const;
    int TabLength(int index) const;
    void PaintTab(QPainter &painter, const TTabLayout &layout, int index) const;
    void PaintScrollArrows(QPainter &painter, const TTabLayout &layout) const;

    TStringList *m_tabs;
    int m_tabIndex = -1;
    bool m_multiLine = false;
    TTabStyle m_style = tsTabs;
    TTabPosition m_tabPosition = tpTop;
    bool m_hotTrack = false;
    bool m_raggedRight = false;
    bool m_scrollOpposite = false;
    int m_tabHeightSetting = 0;
    int m_tabWidth = 0;
    int m_firstVisible = 0;
    int m_hotIndex = -1;
    TCustomImageList *m_images = nullptr;
    TChangeLink *m_imageChangeLink; // owned
    bool m_ownerDraw = false;
    TCanvas *m_canvas; // owned
};

class TTabControl : public TCustomTabControl
{
    Z_CLASS(TTabControl)
public:
    explicit TTabControl(TComponent *owner);
};

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
PTypeInfo TypeInfoTStatusPanelBevel();
// psOwnerDraw: the status bar's OnDrawPanel draws the panel's inside.
enum TStatusPanelStyle { psText, psOwnerDraw };
PTypeInfo TypeInfoTStatusPanelStyle();

class TStatusBar;
class TStatusPanel;
using TDrawPanelEvent = TEvent<TStatusBar *, TStatusPanel *, QRect>;
PTypeInfo TypeInfoTDrawPanelEvent();

class TStatusPanel : public TCollectionItem
{
    Z_CLASS(TStatusPanel)
public:
    explicit TStatusPanel(TCollection *collection);
    void Assign(TPersistent *source) override;

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TStatusPanelBevel Bevel() const { return m_bevel; }
    void SetBevel(TStatusPanelBevel bevel);
    TStatusPanelStyle Style() const { return m_style; }
    void SetStyle(TStatusPanelStyle style);
    QString Text() const { return m_text; }
    void SetText(const QString &text);
    int Width() const { return m_width; }
    void SetWidth(int width);
    QString DisplayName() const override;

private:
    TAlignment m_alignment = taLeftJustify;
    TStatusPanelBevel m_bevel = pbLowered;
    TStatusPanelStyle m_style = psText;
    QString m_text;
    int m_width = 50;
};

class TStatusPanels : public TCollection
{
    Z_CLASS(TStatusPanels)
public:
    explicit TStatusPanels(TStatusBar *bar);
    TStatusPanel *Add() { return static_cast<TStatusPanel *>(TCollection::Add()); }
    TStatusPanel *Items(int index) const
    {
        return static_cast<TStatusPanel *>(TCollection::Items(index));
    }
    TStatusBar *StatusBar() const { return m_bar; } // not owned: the bar owns us

protected:
    void Update(TCollectionItem *item) override;

private:
    TStatusBar *m_bar;
};

// A bar of panels, each a text in its own (usually sunken) frame, placed from the left by
// their widths; the last one takes what is left. With SimplePanel it shows SimpleText only.
class TStatusBar : public TWinControl
{
    Z_CLASS(TStatusBar)
public:
    explicit TStatusBar(TComponent *owner);
    ~TStatusBar() override;

    TStatusPanels *Panels() const { return m_panels; } // owned
    void SetPanels(TStatusPanels *panels) { m_panels->Assign(panels); }
    bool SimplePanel() const { return m_simplePanel; }
    void SetSimplePanel(bool v);
    QString SimpleText() const { return m_simpleText; }
    void SetSimpleText(const QString &text);
    // Shown only where it can size the window: on a sizeable form.
    bool SizeGrip() const { return m_sizeGrip; }
    void SetSizeGrip(bool v);
    // Room left free around the panels, at least 0.
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);
    // With AutoHint the bar shows the application's hint (see ApplicationHintChanged).
    bool AutoHint() const { return m_autoHint; }
    void SetAutoHint(bool v) { m_autoHint = v; }
    // Where OnDrawPanel draws, while it draws.
    TCanvas *Canvas() const { return m_canvas; } // owned

    // Instead of showing the hint itself, when AutoHint is on.
    TNotifyEvent OnHint;
    // Draws the inside of each psOwnerDraw panel.
    TDrawPanelEvent OnDrawPanel;

    // The application's hint changed: with AutoHint, OnHint hears of it, or, unassigned, the
    // hint shows as SimpleText (simple panel or no panels) or as the first panel's text.
    void ApplicationHintChanged(const QString &hint) override;

    // The frame of panel index, in the bar's coordinates.
    QRect PanelRect(int index) const;
    void PaintWidget(QPainter &painter) override;
    // Framework-internal: places the grip after the widget changed size.
    void LayOutGrip();

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;
    void EnabledChanged() override;

private:
    bool ShowsGrip() const;

    TStatusPanels *m_panels;
    bool m_simplePanel = false;
    QString m_simpleText;
    bool m_sizeGrip = true;
    int m_borderWidth = 0;
    bool m_autoHint = false;
    TCanvas *m_canvas;
    QSizeGrip *m_grip = nullptr; // child of the widget
};
