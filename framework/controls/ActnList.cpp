#include "ActnList.h"

#include "ImgList.h"

#include <algorithm>

PTypeInfo TypeInfoTHintEvent()
{
    static const TTypeInfo *t =
        NewMethodType(QStringLiteral("THintEvent"),
                      QStringLiteral("var HintStr: string; var CanShow: Boolean"));
    return t;
}

PTypeInfo TypeInfoTActionEvent()
{
    static const TTypeInfo *t =
        NewMethodType(QStringLiteral("TActionEvent"),
                      QStringLiteral("Action: TBasicAction; var Handled: Boolean"));
    return t;
}

// ---------------------------------------------------------------------------------------------

static TPropTable ContainedActionProps()
{
    using A = TContainedAction;
    return {Prop<A>("Category", TypeInfoString(), &A::Category, &A::SetCategory)};
}
Z_DEFINE_CLASS(TContainedAction, TBasicAction, ContainedActionProps)

TContainedAction::TContainedAction(TComponent *owner) : TBasicAction(owner) {}

TContainedAction::~TContainedAction()
{
    Destroying();
    SetActionList(nullptr);
}

void TContainedAction::SetActionList(TCustomActionList *list)
{
    if (list == m_actionList)
        return;
    if (m_actionList)
        m_actionList->RemoveAction(this);
    if (list)
        list->AddAction(this);
}

void TContainedAction::SetCategory(const QString &category)
{
    if (category == m_category)
        return;
    m_category = category;
    if (m_actionList)
        m_actionList->Change();
}

int TContainedAction::Index() const
{
    if (!m_actionList)
        return -1;
    const auto &all = m_actionList->m_actions;
    return int(std::find(all.begin(), all.end(), this) - all.begin());
}

void TContainedAction::SetIndex(int index)
{
    if (m_actionList)
        m_actionList->MoveAction(this, index);
}

bool TContainedAction::Execute()
{
    if (m_actionList && m_actionList->ExecuteAction(this))
        return true;
    return TBasicAction::Execute();
}

bool TContainedAction::Update()
{
    if (m_actionList && m_actionList->UpdateAction(this))
        return true;
    return TBasicAction::Update();
}

// ---------------------------------------------------------------------------------------------

static TPropTable CustomActionProps()
{
    return {};
}
Z_DEFINE_CLASS(TCustomAction, TContainedAction, CustomActionProps)

TCustomAction::TCustomAction(TComponent *owner) : TContainedAction(owner) {}

template<class Apply> void TCustomAction::PushToClients(Apply apply)
{
    // Each link compares its client with the old value, so the links go before the store.
    for (TBasicActionLink *link : std::vector<TBasicActionLink *>(Clients())) {
        if (auto *actionLink = ObjectCast<TActionLink>(link))
            apply(actionLink);
    }
}

void TCustomAction::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    PushToClients([&](TActionLink *link) { link->SetCaption(caption); });
    m_caption = caption;
    Change();
}

void TCustomAction::SetChecked(bool checked)
{
    if (checked == m_checked)
        return;
    PushToClients([&](TActionLink *link) { link->SetChecked(checked); });
    m_checked = checked;
    Change();
}

void TCustomAction::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    PushToClients([&](TActionLink *link) { link->SetEnabled(enabled); });
    m_enabled = enabled;
    Change();
}

void TCustomAction::SetHelpContext(int helpContext)
{
    if (helpContext == m_helpContext)
        return;
    PushToClients([&](TActionLink *link) { link->SetHelpContext(helpContext); });
    m_helpContext = helpContext;
    Change();
}

void TCustomAction::SetHint(const QString &hint)
{
    if (hint == m_hint)
        return;
    PushToClients([&](TActionLink *link) { link->SetHint(hint); });
    m_hint = hint;
    Change();
}

void TCustomAction::SetImageIndex(int index)
{
    if (index == m_imageIndex)
        return;
    PushToClients([&](TActionLink *link) { link->SetImageIndex(index); });
    m_imageIndex = index;
    Change();
}

void TCustomAction::SetShortCut(TShortCut shortCut)
{
    if (shortCut == m_shortCut)
        return;
    PushToClients([&](TActionLink *link) { link->SetShortCut(shortCut); });
    m_shortCut = shortCut;
    Change();
}

void TCustomAction::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    PushToClients([&](TActionLink *link) { link->SetVisible(visible); });
    m_visible = visible;
    Change();
}

bool TCustomAction::Execute()
{
    Update();
    return m_enabled && TContainedAction::Execute();
}

bool TCustomAction::DoHint(QString &hint)
{
    bool canShow = true;
    OnHint(hint, canShow);
    return canShow;
}

// ---------------------------------------------------------------------------------------------

static TPropTable ActionProps()
{
    using A = TAction;
    return {
        Prop<A>("Caption", TypeInfoString(), &A::Caption, &A::SetCaption),
        Prop<A>("Checked", TypeInfoBoolean(), &A::Checked, &A::SetChecked, 0),
        Prop<A>("Enabled", TypeInfoBoolean(), &A::Enabled, &A::SetEnabled, 1),
        Prop<A>("HelpContext", TypeInfoTHelpContext(), &A::HelpContext, &A::SetHelpContext, 0),
        Prop<A>("Hint", TypeInfoString(), &A::Hint, &A::SetHint),
        Prop<A>("ImageIndex", TypeInfoTImageIndex(), &A::ImageIndex, &A::SetImageIndex, -1),
        Prop<A>("ShortCut", TypeInfoTShortCut(), &A::ShortCut, &A::SetShortCut, 0),
        Prop<A>("Visible", TypeInfoBoolean(), &A::Visible, &A::SetVisible, 1),
        Prop<A>("OnExecute", TypeInfoTNotifyEvent(), &A::OnExecute, &A::SetOnExecute),
        EventProp<A>("OnHint", TypeInfoTHintEvent(), &A::OnHint),
        EventProp<A>("OnUpdate", TypeInfoTNotifyEvent(), &A::OnUpdate),
    };
}
Z_DEFINE_CLASS(TAction, TCustomAction, ActionProps)

TAction::TAction(TComponent *owner) : TCustomAction(owner) {}

// ---------------------------------------------------------------------------------------------

Z_DEFINE_CLASS(TActionLink, TBasicActionLink, NoPublishedProps)

TCustomAction *TActionLink::CustomAction() const
{
    return ObjectCast<TCustomAction>(Action());
}

bool TActionLink::IsCaptionLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsCheckedLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsEnabledLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsHelpContextLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsHintLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsImageIndexLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsShortCutLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsVisibleLinked() { return CustomAction() != nullptr; }

// ---------------------------------------------------------------------------------------------

static TPropTable CustomActionListProps()
{
    return {};
}
Z_DEFINE_CLASS(TCustomActionList, TComponent, CustomActionListProps)

TCustomActionList::TCustomActionList(TComponent *owner)
    : TComponent(owner), m_imageLink(new TChangeLink)
{
    m_imageLink->OnChange = TNotifyEvent::Of<&TCustomActionList::ImagesChanged>(this);
}

TCustomActionList::~TCustomActionList()
{
    Destroying();
    // Each action takes itself out of the list as it goes.
    while (!m_actions.empty())
        Free(m_actions.back());
    SetImages(nullptr);
    delete m_imageLink;
}

TContainedAction *TCustomActionList::Actions(int index) const
{
    if (index < 0 || index >= ActionCount())
        throw EListError(FormatMessage(QStringLiteral("List index out of bounds (%d)"),
                                       {QString::number(index)}));
    return m_actions[size_t(index)];
}

void TCustomActionList::SetImages(TCustomImageList *images)
{
    if (m_images)
        m_images->UnRegisterChanges(m_imageLink);
    if (SetReference(this, m_images, images) && !IsDestroying())
        Change();
    if (m_images)
        m_images->RegisterChanges(m_imageLink);
}

bool TCustomActionList::ExecuteAction(TBasicAction *action)
{
    bool handled = false;
    OnExecute(action, handled);
    return handled;
}

bool TCustomActionList::UpdateAction(TBasicAction *action)
{
    bool handled = false;
    OnUpdate(action, handled);
    return handled;
}

void TCustomActionList::Notification(TComponent *component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == m_images) {
        m_images = nullptr;
        if (!IsDestroying())
            Change();
    }
}

void TCustomActionList::Change()
{
    OnChange(this);
}

void TCustomActionList::AddAction(TContainedAction *action)
{
    m_actions.push_back(action);
    action->m_actionList = this;
    Change();
}

void TCustomActionList::RemoveAction(TContainedAction *action)
{
    const auto it = std::find(m_actions.begin(), m_actions.end(), action);
    if (it == m_actions.end())
        return;
    m_actions.erase(it);
    action->m_actionList = nullptr;
    if (!IsDestroying())
        Change();
}

void TCustomActionList::MoveAction(TContainedAction *action, int index)
{
    const int current = action->Index();
    index = std::clamp(index, 0, ActionCount() - 1);
    if (current < 0 || current == index)
        return;
    m_actions.erase(m_actions.begin() + current);
    m_actions.insert(m_actions.begin() + index, action);
    Change();
}

void TCustomActionList::ImagesChanged(TObject *)
{
    Change();
}

// ---------------------------------------------------------------------------------------------

static TPropTable ActionListProps()
{
    using L = TActionList;
    return {
        Prop<L>("Images", TCustomImageList::StaticClass()->ClassTypeInfo(), &L::Images,
                &L::SetImages),
        EventProp<L>("OnChange", TypeInfoTNotifyEvent(), &L::OnChange),
        EventProp<L>("OnExecute", TypeInfoTActionEvent(), &L::OnExecute),
        EventProp<L>("OnUpdate", TypeInfoTActionEvent(), &L::OnUpdate),
    };
}
Z_DEFINE_CLASS(TActionList, TCustomActionList, ActionListProps)

TActionList::TActionList(TComponent *owner) : TCustomActionList(owner) {}
