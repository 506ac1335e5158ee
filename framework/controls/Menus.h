#pragma once

// Menus: items with captions, shortcuts, check marks and submenus; the main menu shown as a
// form's menu bar and the popup menu shown at a point.

#include "Classes.h"
#include "TypInfo.h"

#include <QPointer>
#include <QString>

#include <vector>

// The bidirectional mode's ordinal (a TBiDiMode value of Controls).
using TBiDiModeValue = int;

class QAction;
class QMenu;
class QMenuBar;
class QKeySequence;

using TShortCut = quint16;
class TBitmap;
class TCanvas;
class TCustomImageList;
class TMenu;
class TBasicAction;
class TBasicActionLink;

enum TMenuBreak { mbNone, mbBreak, mbBarBreak };
enum TPopupAlignment { paLeft, paRight, paCenter };
enum TTrackButton { tbRightButton, tbLeftButton };
// Whether a menu sets hotkeys or reduces lines by itself (maAutomatic), leaves them to the
// captions (maManual), or, for an item, does what its parent does (maParent).
enum TMenuItemAutoFlag { maAutomatic, maManual, maParent };
using TMenuAutoFlag = TMenuItemAutoFlag; // maAutomatic or maManual only
PTypeInfo TypeInfoTMenuAutoFlag();
PTypeInfo TypeInfoTMenuItemAutoFlag();

class TMenuItem;
// An item's text, lines or subitems changed; Rebuild: items were added or removed.
using TMenuChangeEvent = TEvent<TObject *, TMenuItem *, bool>;
// Owner drawing of an item (the menu's OwnerDraw): the rectangle, and whether it is selected
// or (advanced) its owner-draw state set.
using TMenuDrawItemEvent = TEvent<TObject *, TCanvas *, QRect, bool>;
using TAdvancedMenuDrawItemEvent = TEvent<TObject *, TCanvas *, QRect, quint32>;
using TMenuMeasureItemEvent = TEvent<TObject *, TCanvas *, int &, int &>;
PTypeInfo TypeInfoTMenuChangeEvent();
PTypeInfo TypeInfoTMenuDrawItemEvent();
PTypeInfo TypeInfoTAdvancedMenuDrawItemEvent();
PTypeInfo TypeInfoTMenuMeasureItemEvent();

class TMenuItem : public TComponent
{
    Z_CLASS(TMenuItem)
public:
    explicit TMenuItem(TComponent *owner);
    ~TMenuItem() override;

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    bool IsLine() const { return m_caption == QLatin1String("-"); }
    TShortCut ShortCut() const { return m_shortCut; }
    void SetShortCut(TShortCut shortCut);
    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool RadioItem() const { return m_radioItem; }
    void SetRadioItem(bool v) { m_radioItem = v; }
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int v) { m_groupIndex = v; }
    QString Hint() const { return m_hint; }
    void SetHint(const QString &hint) { m_hint = hint; }
    TMenuBreak Break() const { return m_break; }
    void SetBreak(TMenuBreak v) { m_break = v; }
    bool Default() const { return m_default; }
    void SetDefault(bool v);
    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int v) { m_helpContext = v; }
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int v) { m_imageIndex = v; }
    TBitmap *Bitmap() const { return m_bitmap; } // owned
    void SetBitmap(TBitmap *bitmap);
    // The images of the subitems, instead of the menu's; freeing the list leaves nullptr.
    TCustomImageList *SubMenuImages() const { return m_subMenuImages; } // not owned
    void SetSubMenuImages(TCustomImageList *images);
    // maParent: as the parent item (the menu, for its top items) does.
    TMenuItemAutoFlag AutoHotkeys() const { return m_autoHotkeys; }
    void SetAutoHotkeys(TMenuItemAutoFlag flag);
    TMenuItemAutoFlag AutoLineReduction() const { return m_autoLineReduction; }
    void SetAutoLineReduction(TMenuItemAutoFlag flag);
    // Whether the subitems get hotkeys (lose redundant lines) automatically, after maParent
    // is resolved up to the menu.
    bool HotkeysAutomatic() const;
    bool LinesReduced() const;
    // The menu whose item tree holds this item, or nullptr.
    TMenu *GetParentMenu() const;
    // The text the Qt menu shows: the caption, with a hotkey chosen for it among its
    // siblings where they get hotkeys automatically and it has none.
    QString ShownCaption() const;

    // Subitems, in menu order; an item frees its subitems.
    int Count() const { return int(m_items.size()); }
    TMenuItem *Items(int index) const;
    TMenuItem *Parent() const { return m_parent; } // not owned
    void Add(TMenuItem *item);
    void Insert(int index, TMenuItem *item);
    void Remove(TMenuItem *item);
    // Removes and frees the subitem at index.
    void Delete(int index);
    void Clear();
    int IndexOf(const TMenuItem *item) const;
    // The subitem with that caption (ignoring case and "&"), or nullptr.
    TMenuItem *Find(const QString &caption) const;

    // The action the item follows (ActionClients.h): it takes every value of the action and
    // its changes, and a click executes the action. Freeing the action leaves nullptr.
    TBasicAction *Action() const;
    void SetAction(TBasicAction *action);
    TBasicActionLink *ActionLink() const { return m_actionLink; } // owned

    // Runs OnClick, or executes the action when OnClick is the action's own handler.
    virtual void Click();
    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnDrawItem;
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;

    void Notification(TComponent *component, TOperation operation) override;

    // Framework-internal: the Qt action that shows this item in Qt menus.
    QAction *QtAction();

protected:
    // Takes the action's values; with checkDefaults only where the item has its default.
    virtual void ActionChange(TObject *sender, bool checkDefaults);

private:
    friend class TMenu;
    void Rebuild();
    void SyncAction();
    void SyncOwnAction();
    void DoActionChange(TObject *sender);
    // Tells the menu of a change (TMenu::OnChange).
    void MenuChanged(bool rebuild);
    // Shows or hides the lines among the subitems that AutoLineReduction drops.
    void ReduceLines();
    // The shown texts and lines of the subitems, after a change among them.
    void RefreshSubItems();
    // RefreshSubItems here and in every submenu, after an automatic flag changed.
    void RefreshTree();

    QString m_caption;
    TShortCut m_shortCut = 0;
    bool m_checked = false;
    bool m_enabled = true;
    bool m_visible = true;
    bool m_radioItem = false;
    int m_groupIndex = 0;
    QString m_hint;
    TMenuBreak m_break = mbNone;
    bool m_default = false;
    int m_helpContext = 0;
    int m_imageIndex = -1;
    TBitmap *m_bitmap;
    TMenuItem *m_parent = nullptr;
    TMenu *m_rootOf = nullptr; // not owned: set on the root item, which the menu owns
    TCustomImageList *m_subMenuImages = nullptr;
    TMenuItemAutoFlag m_autoHotkeys = maParent;
    TMenuItemAutoFlag m_autoLineReduction = maParent;
    std::vector<TMenuItem *> m_items;
    QAction *m_action = nullptr; // owned
    QMenu *m_menu = nullptr;     // owned; made when the item has subitems
    TBasicActionLink *m_actionLink = nullptr; // owned
};

class TMenu : public TComponent
{
    Z_CLASS(TMenu)
public:
    explicit TMenu(TComponent *owner);
    ~TMenu() override;
    // The root item, whose subitems are the menu's items.
    TMenuItem *Items() const { return m_items; } // owned
    TCustomImageList *Images() const { return m_images; } // not owned
    void SetImages(TCustomImageList *images);
    bool OwnerDraw() const { return m_ownerDraw; }
    void SetOwnerDraw(bool v) { m_ownerDraw = v; }
    TBiDiModeValue BiDiMode() const { return m_biDiMode; }
    void SetBiDiMode(TBiDiModeValue v) { m_biDiMode = v; m_parentBiDiMode = false; }
    bool ParentBiDiMode() const { return m_parentBiDiMode; }
    void SetParentBiDiMode(bool v) { m_parentBiDiMode = v; }
    // maAutomatic: items without a hotkey get one, and lines at either end of a menu or
    // after another line are hidden, in the shown menu only (and not while the menu is being
    // designed); the captions stay.
    TMenuAutoFlag AutoHotkeys() const { return m_autoHotkeys; }
    void SetAutoHotkeys(TMenuAutoFlag flag);
    TMenuAutoFlag AutoLineReduction() const { return m_autoLineReduction; }
    void SetAutoLineReduction(TMenuAutoFlag flag);
    void Notification(TComponent *component, TOperation operation) override;
    void SetDesigning(bool designing, bool setChildren = true) override;

    TMenuChangeEvent OnChange;

private:
    TMenuItem *m_items;
    TMenuAutoFlag m_autoHotkeys = maAutomatic;
    TMenuAutoFlag m_autoLineReduction = maAutomatic;
    TCustomImageList *m_images = nullptr;
    bool m_ownerDraw = false;
    TBiDiModeValue m_biDiMode = 0;
    bool m_parentBiDiMode = true;
};

class TMainMenu : public TMenu
{
    Z_CLASS(TMainMenu)
public:
    explicit TMainMenu(TComponent *owner);
    // A new menu bar showing the items; the caller owns it. The bar follows every later change
    // of the top-level items (added, removed, moved) while it lives.
    QMenuBar *CreateMenuBar();
    bool AutoMerge() const { return m_autoMerge; }
    void SetAutoMerge(bool v) { m_autoMerge = v; }

private:
    friend class TMenuItem;
    // Puts the top-level items into every living bar again, in menu order.
    void RefillMenuBars();

    bool m_autoMerge = false;
    std::vector<QPointer<QMenuBar>> m_bars; // not owned; each is gone when its form drops it
};

class TPopupMenu : public TMenu
{
    Z_CLASS(TPopupMenu)
public:
    explicit TPopupMenu(TComponent *owner);
    bool AutoPopup() const { return m_autoPopup; }
    void SetAutoPopup(bool v) { m_autoPopup = v; }
    TPopupAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TPopupAlignment v) { m_alignment = v; }
    TTrackButton TrackButton() const { return m_trackButton; }
    void SetTrackButton(TTrackButton v) { m_trackButton = v; }
    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int v) { m_helpContext = v; }
    TComponent *PopupComponent() const { return m_popupComponent; }
    void SetPopupComponent(TComponent *c) { m_popupComponent = c; }
    // Shows the menu at a screen point and returns when it closes.
    virtual void Popup(int x, int y);
    TNotifyEvent OnPopup;

private:
    bool m_autoPopup = true;
    TPopupAlignment m_alignment = paLeft;
    TTrackButton m_trackButton = tbRightButton;
    int m_helpContext = 0;
    TComponent *m_popupComponent = nullptr;
};

QKeySequence ShortCutToKeySequence(TShortCut shortCut);
