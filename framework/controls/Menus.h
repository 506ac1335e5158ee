#pragma once

// Menus: items with captions, shortcuts, check marks and submenus; the main menu shown as a
// form's menu bar and the popup menu shown at a point.

#include "Classes.h"
#include "TypInfo.h"

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
class TCustomImageList;
class TBasicAction;
class TBasicActionLink;

enum TMenuBreak { mbNone, mbBreak, mbBarBreak };
enum TPopupAlignment { paLeft, paRight, paCenter };
enum TTrackButton { tbRightButton, tbLeftButton };

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

    void Notification(TComponent *component, TOperation operation) override;

    // Framework-internal: the Qt action that shows this item in Qt menus.
    QAction *QtAction();

protected:
    // Takes the action's values; with checkDefaults only where the item has its default.
    virtual void ActionChange(TObject *sender, bool checkDefaults);

private:
    void Rebuild();
    void SyncAction();
    void DoActionChange(TObject *sender);

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
    void Notification(TComponent *component, TOperation operation) override;

private:
    TMenuItem *m_items;
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
    // A new menu bar showing the items; the caller owns it.
    QMenuBar *CreateMenuBar();
    bool AutoMerge() const { return m_autoMerge; }
    void SetAutoMerge(bool v) { m_autoMerge = v; }

private:
    bool m_autoMerge = false;
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
