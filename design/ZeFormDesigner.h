#pragma once

// The form designer of the design form: how the framework, the editors and the inspector reach
// the form being designed, its selection and its components. It has no state of its own
// beyond Form; event handlers are not supported, so every event-handler operation answers
// empty.

#include "DsgnIntf.h"

class TfZeDesignForm;

class TZeFormDesigner : public TFormDesigner
{
    Z_CLASS(TZeFormDesigner)
public:
    // Told of every change the designer is notified of (a property written, a rename), so
    // the host can bring its views of the form up to date.
    TNotifyEvent OnModified;

    bool FilterDesignMessage(TControl *control, TMsg &message) override;
    void NotifyModified() override;
    void NotifyComponent(TComponent *component, TOperation operation) override;
    void PaintDesignGrid() override;
    void CheckRename(TComponent *component, const QString &currentName,
                     const QString &newName) override;

    TMethod CreateEventHandler(const QString &name, PTypeInfo eventType) override;
    QString EventHandlerName(const TMethod &method) override;
    void ListEventHandlers(PTypeInfo eventType, const TGetStrProc &proc) override;
    void ReservedSlot1() override {}
    void ReadSelection(TComponentList *list) override;
    bool EventHandlerExists(const QString &name) override;
    void RenameEventHandler(const QString &currentName, const QString &newName) override;
    void SelectObject(TObject *object) override;
    void ReplaceSelection(TComponentList *list) override;
    void ShowEventHandler(const QString &name) override;
    QString UniqueComponentName(const QString &baseName) override;
    void ListComponentNames(PTypeInfo type, const TGetStrProc &proc) override;
    TComponent *FindComponentByName(const QString &name) override;
    QString NameOfComponent(TComponent *component) override;
    void ReservedSlot2() override {}
    QString NameOfObject(TObject *object) override;
    void ReservedSlot3() override {}
    bool IsInheritedHandler(const TMethod &method) override;
    TComponent *CreateComponentAt(TClass componentClass, TControl *parent, int left, int top,
                                  int width, int height) override;
    bool CanLinkComponent(TComponent *component) override;
    void ReservedSlot4() override {}
    void ReservedSlot5() override {}
    void ReservedSlot6() override {}
    void ReservedSlot7() override {}
    void ReservedSlot8() override {}
    void ReservedSlot9() override {}
    void ReservedSlot10() override {}

private:
    TfZeDesignForm *DesignForm() const;
};
