#pragma once

// Action lists and the actions they hold. An action carries what its clients show (caption,
// check mark, enabled state, help context, hint, image, shortcut, visibility) and pushes each
// change to them through their links; executing it runs the list's OnExecute, then its own.

#include "BasicAction.h"
#include "TypInfo.h"

#include <vector>

class TCustomActionList;
class TCustomImageList;
class TChangeLink;

using TShortCut = quint16;
// Asked before a hint shows: may change the text or keep it from showing.
using THintEvent = TEvent<QString &, bool &>;
// Asked of the list for each of its actions; Handled ends the action's own handling.
using TActionEvent = TEvent<TBasicAction *, bool &>;
PTypeInfo TypeInfoTHintEvent();
PTypeInfo TypeInfoTActionEvent();

// An action that belongs to an action list, under a category.
class TContainedAction : public TBasicAction
{
    Z_CLASS(TContainedAction)
public:
    explicit TContainedAction(TComponent *owner);
    ~TContainedAction() override;

    TCustomActionList *ActionList() const { return m_actionList; } // not owned
    // Moves the action to another list (at its end), or out of any with nullptr.
    void SetActionList(TCustomActionList *list);
    QString Category() const { return m_category; }
    void SetCategory(const QString &category);
    // The place in the list; -1 outside any. Setting it moves the action within its list.
    int Index() const;
    void SetIndex(int index);

    // The list's OnExecute first; the action's own handler when the list left it unhandled.
    bool Execute() override;
    bool Update() override;

private:
    friend class TCustomActionList;
    TCustomActionList *m_actionList = nullptr;
    QString m_category;
};

class TCustomAction : public TContainedAction
{
    Z_CLASS(TCustomAction)
public:
    explicit TCustomAction(TComponent *owner);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int helpContext);
    QString Hint() const { return m_hint; }
    void SetHint(const QString &hint);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    TShortCut ShortCut() const { return m_shortCut; }
    void SetShortCut(TShortCut shortCut);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);

    // Updates first; a disabled action does not execute.
    bool Execute() override;
    // Runs OnHint; answers whether the hint may show.
    virtual bool DoHint(QString &hint);

    THintEvent OnHint;

private:
    // Pushes a new value to the links that follow the action in it, then reports the change.
    template<class Apply> void PushToClients(Apply apply);

    QString m_caption;
    bool m_checked = false;
    bool m_enabled = true;
    int m_helpContext = 0;
    QString m_hint;
    int m_imageIndex = -1;
    TShortCut m_shortCut = 0;
    bool m_visible = true;
};

class TAction : public TCustomAction
{
    Z_CLASS(TAction)
public:
    explicit TAction(TComponent *owner);
};

// The link of clients that follow a custom action: a changed value is handed to the client
// where the client still shows the action's old value (IsXLinked). Clients override what
// they have.
class TActionLink : public TBasicActionLink
{
    Z_CLASS(TActionLink)
public:
    TActionLink() = default;

    virtual bool IsCaptionLinked();
    virtual bool IsCheckedLinked();
    virtual bool IsEnabledLinked();
    virtual bool IsHelpContextLinked();
    virtual bool IsHintLinked();
    virtual bool IsImageIndexLinked();
    virtual bool IsShortCutLinked();
    virtual bool IsVisibleLinked();

    virtual void SetCaption(const QString &value) { (void)value; }
    virtual void SetChecked(bool value) { (void)value; }
    virtual void SetEnabled(bool value) { (void)value; }
    virtual void SetHelpContext(int value) { (void)value; }
    virtual void SetHint(const QString &value) { (void)value; }
    virtual void SetImageIndex(int value) { (void)value; }
    virtual void SetShortCut(TShortCut value) { (void)value; }
    virtual void SetVisible(bool value) { (void)value; }

protected:
    // The action as a custom action, or nullptr.
    TCustomAction *CustomAction() const;
};

// Holds actions in order. Freeing the list frees the actions still in it; an action freed
// elsewhere leaves the list by itself. The image list is free-notified.
class TCustomActionList : public TComponent
{
    Z_CLASS(TCustomActionList)
public:
    explicit TCustomActionList(TComponent *owner);
    ~TCustomActionList() override;

    int ActionCount() const { return int(m_actions.size()); }
    TContainedAction *Actions(int index) const;
    TCustomImageList *Images() const { return m_images; } // not owned
    void SetImages(TCustomImageList *images);

    // Runs OnExecute (OnUpdate) for action; answers whether the handler took care of it.
    virtual bool ExecuteAction(TBasicAction *action);
    virtual bool UpdateAction(TBasicAction *action);

    TNotifyEvent OnChange;
    TActionEvent OnExecute;
    TActionEvent OnUpdate;

    void Notification(TComponent *component, TOperation operation) override;

protected:
    // After actions came, went or moved, and after the images changed.
    virtual void Change();

private:
    friend class TContainedAction;
    void AddAction(TContainedAction *action);
    void RemoveAction(TContainedAction *action);
    void MoveAction(TContainedAction *action, int index);
    void ImagesChanged(TObject *sender);

    std::vector<TContainedAction *> m_actions; // freed with the list
    TCustomImageList *m_images = nullptr;
    TChangeLink *m_imageLink; // owned
};

class TActionList : public TCustomActionList
{
    Z_CLASS(TActionList)
public:
    explicit TActionList(TComponent *owner);
};
