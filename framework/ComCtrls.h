#pragma once

// Common controls: the tab control and the status bar with its panels.

#include "Collections.h"
#include "StdCtrls.h"

class QTabBar;
class QSizeGrip;

using TTabChangingEvent = TEvent<TObject *, bool &>;
PTypeInfo TypeInfoTTabChangingEvent();

enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
PTypeInfo TypeInfoTTabStyle();
PTypeInfo TypeInfoTTabPosition();

// A row of tabs above (or below) a framed page. The tabs come from Tabs; children sit in the
// page (DisplayRect), and which tab is current is all the control changes: the children stay.
// Tabs stay on one row, scrolled when they do not fit; MultiLine is kept for the form. The
// left and right positions are kept too and drawn as the top one.
class TCustomTabControl : public TWinControl
{
    Z_CLASS(TCustomTabControl)
public:
    explicit TCustomTabControl(TComponent *owner);
    ~TCustomTabControl() override;

    TStrings *Tabs() const { return m_tabs; } // owned
    void SetTabs(TStrings *tabs) { m_tabs->Assign(tabs); }
    // -1: no tab. Setting it by code calls neither OnChanging nor OnChange; values out of
    // range are ignored.
    int TabIndex() const { return m_tabIndex; }
    void SetTabIndex(int index);
    bool MultiLine() const { return m_multiLine; }
    void SetMultiLine(bool v) { m_multiLine = v; }
    // Tabs drawn as tabs over a framed page, or as (flat) buttons over a frameless one.
    TTabStyle Style() const { return m_style; }
    void SetStyle(TTabStyle style);
    TTabPosition TabPosition() const { return m_tabPosition; }
    void SetTabPosition(TTabPosition position);
    bool HotTrack() const { return m_hotTrack; }
    void SetHotTrack(bool v) { m_hotTrack = v; }
    bool RaggedRight() const { return m_raggedRight; }
    void SetRaggedRight(bool v) { m_raggedRight = v; }
    bool ScrollOpposite() const { return m_scrollOpposite; }
    void SetScrollOpposite(bool v) { m_scrollOpposite = v; }
    // A fixed height (width) of every tab; 0 sizes them by font (caption).
    int TabHeightSetting() const { return m_tabHeightSetting; }
    void SetTabHeight(int height);
    int TabWidth() const { return m_tabWidth; }
    void SetTabWidth(int width);
    bool BottomTabs() const { return m_tabPosition == tpBottom; }

    // The page area below the tabs, inside its frame, in the control's coordinates.
    QRect DisplayRect() const;
    // The height of the tab row.
    int TabHeight() const;
    // The rectangle tab index is drawn in, in the control's coordinates; empty for an index
    // out of range or a tab scrolled out of sight.
    QRect TabRect(int index) const;

    // Asked before the user changes the tab; clearing AllowChange keeps the current one.
    TTabChangingEvent OnChanging;
    // After the user changed the tab.
    TNotifyEvent OnChange;

    // Makes index current as the user's choice: asks OnChanging, then tells OnChange.
    void SelectTab(int index);
    bool KeyDown(quint16 &key, TShiftState shift) override;
    void PaintWidget(QPainter &painter) override;
    // Framework-internal: places the tab row after the widget changed size.
    void LayOutTabs();

protected:
    QWidget *CreateWidget(QWidget *parentWidget) override;
    void InitWidget() override;
    void AdjustClientRect(QRect &rect) const override { rect = DisplayRect(); }
    void FontChanged() override;
    void EnabledChanged() override;
    virtual bool CanChange();
    virtual void Change();

private:
    void TabsChanged(TObject *sender);
    void SyncTabBar();

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
    QTabBar *m_tabBar = nullptr; // child of the widget
};

class TTabControl : public TCustomTabControl
{
    Z_CLASS(TTabControl)
public:
    explicit TTabControl(TComponent *owner);
};

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
PTypeInfo TypeInfoTStatusPanelBevel();

class TStatusBar;

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
    QString Text() const { return m_text; }
    void SetText(const QString &text);
    int Width() const { return m_width; }
    void SetWidth(int width);
    QString DisplayName() const override;

private:
    TAlignment m_alignment = taLeftJustify;
    TStatusPanelBevel m_bevel = pbLowered;
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
    QSizeGrip *m_grip = nullptr; // child of the widget
};
