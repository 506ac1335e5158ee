#include "Menus.h"

#include "BasicAction.h"
#include "Controls.h"
#include "Graphics.h"
#include "ImgList.h"
#include "SafeCall.h"
#include "ShortCuts.h"
#include "VirtualKeys.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

static PTypeInfo TypeInfoTMenuBreak()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TMenuBreak"),
        {QStringLiteral("mbNone"), QStringLiteral("mbBreak"), QStringLiteral("mbBarBreak")});
    return t;
}

static PTypeInfo TypeInfoTPopupAlignment()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TPopupAlignment"),
        {QStringLiteral("paLeft"), QStringLiteral("paRight"), QStringLiteral("paCenter")});
    return t;
}

static PTypeInfo TypeInfoTTrackButton()
{
    static const TTypeInfo *t = NewEnumType(
        QStringLiteral("TTrackButton"),
        {QStringLiteral("tbRightButton"), QStringLiteral("tbLeftButton")});
    return t;
}

PTypeInfo TypeInfoTMenuChangeEvent()
{
    static const PTypeInfo t = NewMethodType(
        QStringLiteral("TMenuChangeEvent"),
        QStringLiteral("Sender: TObject; Source: TMenuItem; Rebuild: Boolean"));
    return t;
}

PTypeInfo TypeInfoTMenuDrawItemEvent()
{
    static const PTypeInfo t = NewMethodType(
        QStringLiteral("TMenuDrawItemEvent"),
        QStringLiteral("Sender: TObject; ACanvas: TCanvas; ARect: TRect; Selected: Boolean"));
    return t;
}

PTypeInfo TypeInfoTAdvancedMenuDrawItemEvent()
{
    static const PTypeInfo t = NewMethodType(
        QStringLiteral("TAdvancedMenuDrawItemEvent"),
        QStringLiteral("Sender: TObject; ACanvas: TCanvas; ARect: TRect; "
                       "State: TOwnerDrawState"));
    return t;
}

PTypeInfo TypeInfoTMenuMeasureItemEvent()
{
    static const PTypeInfo t = NewMethodType(
        QStringLiteral("TMenuMeasureItemEvent"),
        QStringLiteral("Sender: TObject; ACanvas: TCanvas; var Width, Height: Integer"));
    return t;
}

static TPropTable MenuItemProps()
{
    using M = TMenuItem;
    return {
        Prop<TMenuItem>("Action", TBasicAction::StaticClass()->ClassTypeInfo(),
                        &TMenuItem::Action, &TMenuItem::SetAction),
        Prop<M>("AutoHotkeys", TypeInfoTMenuItemAutoFlag(), &M::AutoHotkeys, &M::SetAutoHotkeys,
                maParent),
        Prop<M>("AutoLineReduction", TypeInfoTMenuItemAutoFlag(), &M::AutoLineReduction,
                &M::SetAutoLineReduction, maParent),
        Prop<TMenuItem>("Bitmap", TBitmap::StaticClass()->ClassTypeInfo(), &TMenuItem::Bitmap,
                        &TMenuItem::SetBitmap),
        Prop<TMenuItem>("Break", TypeInfoTMenuBreak(), &TMenuItem::Break, &TMenuItem::SetBreak,
                        mbNone),
        Prop<TMenuItem>("Caption", TypeInfoString(), &TMenuItem::Caption, &TMenuItem::SetCaption),
        Prop<TMenuItem>("Checked", TypeInfoBoolean(), &TMenuItem::Checked, &TMenuItem::SetChecked,
                        0),
        Prop<TMenuItem>("Default", TypeInfoBoolean(), &TMenuItem::Default, &TMenuItem::SetDefault,
                        0),
        Prop<TMenuItem>("Enabled", TypeInfoBoolean(), &TMenuItem::Enabled, &TMenuItem::SetEnabled,
                        1),
        Prop<TMenuItem>("GroupIndex", TypeInfoByte(), &TMenuItem::GroupIndex,
                        &TMenuItem::SetGroupIndex, 0),
        Prop<TMenuItem>("HelpContext", TypeInfoTHelpContext(), &TMenuItem::HelpContext,
                        &TMenuItem::SetHelpContext, 0),
        Prop<TMenuItem>("Hint", TypeInfoString(), &TMenuItem::Hint, &TMenuItem::SetHint),
        Prop<TMenuItem>("ImageIndex", TypeInfoTImageIndex(), &TMenuItem::ImageIndex,
                        &TMenuItem::SetImageIndex, -1),
        Prop<TMenuItem>("RadioItem", TypeInfoBoolean(), &TMenuItem::RadioItem,
                        &TMenuItem::SetRadioItem, 0),
        Prop<TMenuItem>("ShortCut", TypeInfoTShortCut(), &TMenuItem::ShortCut,
                        &TMenuItem::SetShortCut, 0),
        Prop<M>("SubMenuImages", TCustomImageList::StaticClass()->ClassTypeInfo(),
                &M::SubMenuImages, &M::SetSubMenuImages),
        Prop<TMenuItem>("Visible", TypeInfoBoolean(), &TMenuItem::Visible, &TMenuItem::SetVisible,
                        1),
        EventProp<M>("OnAdvancedDrawItem", TypeInfoTAdvancedMenuDrawItemEvent(),
                     &M::OnAdvancedDrawItem),
        EventProp<TMenuItem>("OnClick", TypeInfoTNotifyEvent(), &TMenuItem::OnClick),
        EventProp<M>("OnDrawItem", TypeInfoTMenuDrawItemEvent(), &M::OnDrawItem),
        EventProp<M>("OnMeasureItem", TypeInfoTMenuMeasureItemEvent(), &M::OnMeasureItem),
    };
}
Z_DEFINE_CLASS(TMenuItem, TComponent, MenuItemProps)

TMenuItem::TMenuItem(TComponent *owner) : TComponent(owner), m_bitmap(new TBitmap) {}

void TMenuItem::SetDefault(bool v)
{
    m_default = v;
    if (m_action) {
        QFont font = m_action->font();
        font.setBold(v); // the default item of a menu reads bold
        m_action->setFont(font);
    }
    MenuChanged(false);
}

void TMenuItem::SetBitmap(TBitmap *bitmap)
{
    m_bitmap->Assign(bitmap);
    if (m_action)
        m_action->setIcon(m_bitmap->Empty() ? QIcon() : QIcon(m_bitmap->ToPixmap(true)));
    MenuChanged(false);
}

void TMenuItem::SetSubMenuImages(TCustomImageList *images)
{
    if (SetReference(this, m_subMenuImages, images))
        MenuChanged(false);
}

TMenuItem::~TMenuItem()
{
    Destroying();
    SetAction(nullptr);
    SetReference<TCustomImageList>(this, m_subMenuImages, nullptr);
    while (!m_items.empty()) {
        TMenuItem *last = m_items.back();
        Remove(last);
        if (last->Owner())
            last->Owner()->RemoveComponent(last);
        Free(last);
    }
    if (m_parent)
        m_parent->Remove(this);
    delete m_menu;
    delete m_action;
    delete m_bitmap;
}

TMenuItem *TMenuItem::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EMenuError(QStringLiteral("Menu index out of range"));
    return m_items[size_t(index)];
}

void TMenuItem::Add(TMenuItem *item)
{
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem *item)
{
    if (item->m_parent)
        throw EMenuError(QStringLiteral("Menu inserted twice"));
    if (index < 0 || index > Count())
        throw EMenuError(QStringLiteral("Menu index out of range"));
    m_items.insert(m_items.begin() + index, item);
    item->m_parent = this;
    Rebuild();
    MenuChanged(true);
}

void TMenuItem::Remove(TMenuItem *item)
{
    const auto it = std::find(m_items.begin(), m_items.end(), item);
    if (it == m_items.end())
        throw EMenuError(QStringLiteral("Sub-menu is not in menu"));
    m_items.erase(it);
    item->m_parent = nullptr;
    if (m_menu && item->m_action)
        m_menu->removeAction(item->m_action);
    if (!IsDestroying()) {
        Rebuild();
        MenuChanged(true);
    }
}

void TMenuItem::Delete(int index)
{
    TMenuItem *item = Items(index);
    Remove(item);
    Free(item);
}

void TMenuItem::Clear()
{
    while (Count() > 0)
        Delete(Count() - 1);
}

int TMenuItem::IndexOf(const TMenuItem *item) const
{
    const auto it = std::find(m_items.begin(), m_items.end(), item);
    return it == m_items.end() ? -1 : int(it - m_items.begin());
}

TMenuItem *TMenuItem::Find(const QString &caption) const
{
    const QString wanted = QString(caption).remove(QLatin1Char('&'));
    for (TMenuItem *item : m_items) {
        if (QString(item->m_caption).remove(QLatin1Char('&')).compare(wanted, Qt::CaseInsensitive)
            == 0)
            return item;
    }
    return nullptr;
}

void TMenuItem::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    const bool wasLine = IsLine();
    m_caption = caption;
    SyncAction();
    if (wasLine != IsLine() && m_parent)
        m_parent->Rebuild();
    MenuChanged(true);
}

void TMenuItem::SetShortCut(TShortCut shortCut)
{
    m_shortCut = shortCut;
    SyncAction();
    MenuChanged(false);
}

void TMenuItem::SetChecked(bool checked)
{
    m_checked = checked;
    SyncAction();
    MenuChanged(false);
}

void TMenuItem::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    SyncAction();
    MenuChanged(false);
}

void TMenuItem::SetVisible(bool visible)
{
    m_visible = visible;
    SyncAction();
    MenuChanged(true);
}

void TMenuItem::Click()
{
    TBasicActionLink::Click(m_actionLink, this, OnClick);
}

QAction *TMenuItem::QtAction()
{
    if (!m_action) {
        m_action = new QAction();
        QObject::connect(m_action, &QAction::triggered, [this] { SafeCall([this] { Click(); }); });
        SyncAction();
        Rebuild();
    }
    return m_action;
}

void TMenuItem::SyncAction()
{
    if (m_action)
        SyncOwnAction();
    // The siblings' hotkeys and lines depend on this item too.
    if (m_parent)
        m_parent->RefreshSubItems();
}

void TMenuItem::SyncOwnAction()
{
    m_action->setSeparator(IsLine());
    // Some styles print a separator's text as a section label: a line shows no "-".
    m_action->setText(IsLine() ? QString() : ShownCaption());
    m_action->setShortcut(ShortCutToKeySequence(m_shortCut));
    m_action->setCheckable(m_checked || m_action->isCheckable());
    m_action->setChecked(m_checked);
    m_action->setEnabled(m_enabled);
    m_action->setVisible(m_visible);
    if (m_shortCut)
        m_action->setShortcutContext(Qt::WindowShortcut);
}

// Keeps the Qt menu of this item in step with its subitems.
void TMenuItem::Rebuild()
{
    if (!m_action) {
        // The root item: its subitems stand in a menu bar or popup.
        if (auto *mainMenu = ObjectCast<TMainMenu>(m_rootOf))
            mainMenu->RefillMenuBars();
        RefreshSubItems();
        return;
    }
    if (m_items.empty()) {
        m_action->setMenu(nullptr);
        delete m_menu;
        m_menu = nullptr;
        return;
    }
    if (!m_menu) {
        m_menu = new QMenu();
        m_action->setMenu(m_menu);
    }
    m_menu->clear();
    for (TMenuItem *item : m_items)
        m_menu->addAction(item->QtAction());
    RefreshSubItems();
}

static TPropTable MenuProps()
{
    using M = TMenu;
    return {
        Prop<M>("AutoHotkeys", TypeInfoTMenuAutoFlag(), &M::AutoHotkeys, &M::SetAutoHotkeys,
                maAutomatic),
        Prop<M>("AutoLineReduction", TypeInfoTMenuAutoFlag(), &M::AutoLineReduction,
                &M::SetAutoLineReduction, maAutomatic),
        Prop<TMenu>("BiDiMode", TypeInfoTBiDiMode(), &TMenu::BiDiMode, &TMenu::SetBiDiMode),
        Prop<TMenu>("Images", TCustomImageList::StaticClass()->ClassTypeInfo(), &TMenu::Images,
                    &TMenu::SetImages),
        Prop<TMenu>("Items", TMenuItem::StaticClass()->ClassTypeInfo(), &TMenu::Items),
        Prop<TMenu>("OwnerDraw", TypeInfoBoolean(), &TMenu::OwnerDraw, &TMenu::SetOwnerDraw, 0),
        Prop<TMenu>("ParentBiDiMode", TypeInfoBoolean(), &TMenu::ParentBiDiMode,
                    &TMenu::SetParentBiDiMode, 1),
        EventProp<M>("OnChange", TypeInfoTMenuChangeEvent(), &M::OnChange),
    };
}
Z_DEFINE_CLASS(TMenu, TComponent, MenuProps)

TMenu::TMenu(TComponent *owner) : TComponent(owner), m_items(new TMenuItem(nullptr))
{
    m_items->m_rootOf = this;
}

TMenu::~TMenu()
{
    Destroying();
    if (m_images)
        m_images->RemoveFreeNotification(this);
    Free(m_items);
}

void TMenu::SetImages(TCustomImageList *images)
{
    SetReference(this, m_images, images);
}

void TMenu::Notification(TComponent *component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == m_images)
        m_images = nullptr;
}

static TPropTable MainMenuProps()
{
    return {
        Prop<TMainMenu>("AutoMerge", TypeInfoBoolean(), &TMainMenu::AutoMerge,
                        &TMainMenu::SetAutoMerge, 0),
    };
}
Z_DEFINE_CLASS(TMainMenu, TMenu, MainMenuProps)

TMainMenu::TMainMenu(TComponent *owner) : TMenu(owner) {}

// A bar shows the menu's top-level items, in order.
static void FillMenuBar(QMenuBar *bar, TMenuItem *items)
{
    bar->clear();
    for (int i = 0; i < items->Count(); ++i)
        bar->addAction(items->Items(i)->QtAction());
}

QMenuBar *TMainMenu::CreateMenuBar()
{
    auto *bar = new QMenuBar();
    bar->setNativeMenuBar(false);
    FillMenuBar(bar, Items());
    std::erase_if(m_bars, [](const QPointer<QMenuBar> &b) { return b.isNull(); });
    m_bars.emplace_back(bar);
    return bar;
}

void TMainMenu::RefillMenuBars()
{
    std::erase_if(m_bars, [](const QPointer<QMenuBar> &b) { return b.isNull(); });
    for (const QPointer<QMenuBar> &bar : m_bars)
        FillMenuBar(bar, Items());
}

static TPropTable PopupMenuProps()
{
    return {
        Prop<TPopupMenu>("Alignment", TypeInfoTPopupAlignment(), &TPopupMenu::Alignment,
                         &TPopupMenu::SetAlignment, paLeft),
        Prop<TPopupMenu>("AutoPopup", TypeInfoBoolean(), &TPopupMenu::AutoPopup,
                         &TPopupMenu::SetAutoPopup, 1),
        Prop<TPopupMenu>("HelpContext", TypeInfoTHelpContext(), &TPopupMenu::HelpContext,
                         &TPopupMenu::SetHelpContext, 0),
        Prop<TPopupMenu>("TrackButton", TypeInfoTTrackButton(), &TPopupMenu::TrackButton,
                         &TPopupMenu::SetTrackButton, tbRightButton),
        EventProp<TPopupMenu>("OnPopup", TypeInfoTNotifyEvent(), &TPopupMenu::OnPopup),
    };
}
Z_DEFINE_CLASS(TPopupMenu, TMenu, PopupMenuProps)

TPopupMenu::TPopupMenu(TComponent *owner) : TMenu(owner) {}

void TPopupMenu::Popup(int x, int y)
{
    OnPopup(this);
    QMenu menu;
    for (int i = 0; i < Items()->Count(); ++i)
        menu.addAction(Items()->Items(i)->QtAction());
    menu.exec(QPoint(x, y));
}

// The Qt key of a virtual key code, for the keys menus use as shortcuts; 0 for others.
static int QtKeyOfVirtualKey(int vk)
{
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return vk;
    if (vk >= 0x70 && vk <= 0x7B)
        return Qt::Key_F1 + (vk - 0x70);
    switch (vk) {
    case 8: return Qt::Key_Backspace;
    case 9: return Qt::Key_Tab;
    case 13: return Qt::Key_Return;
    case 27: return Qt::Key_Escape;
    case 32: return Qt::Key_Space;
    case 33: return Qt::Key_PageUp;
    case 34: return Qt::Key_PageDown;
    case 35: return Qt::Key_End;
    case 36: return Qt::Key_Home;
    case 37: return Qt::Key_Left;
    case 38: return Qt::Key_Up;
    case 39: return Qt::Key_Right;
    case 40: return Qt::Key_Down;
    case 45: return Qt::Key_Insert;
    case 46: return Qt::Key_Delete;
    default: return 0;
    }
}

QKeySequence ShortCutToKeySequence(TShortCut shortCut)
{
    if (!shortCut)
        return QKeySequence();
    const int key = QtKeyOfVirtualKey(shortCut & 0xFF);
    if (!key)
        return QKeySequence();
    int mods = 0;
    if (shortCut & scShift)
        mods |= Qt::SHIFT;
    if (shortCut & scCtrl)
        mods |= Qt::CTRL;
    if (shortCut & scAlt)
        mods |= Qt::ALT;
    return QKeySequence(key | mods);
}
