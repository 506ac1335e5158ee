#pragma once

// The design-time interface: what property and component editors and the object inspector ask
// of the form being designed.

#include "Contnrs.h"
#include "Forms.h"
#include "TypInfo.h"

// Called once for each name a listing finds.
using TGetStrProc = TEvent<const QString &>;

// The form designer as editors see it: the form's designer, plus the selection, names and
// components of the form, and the event-handler operations. The slots keep their order; the
// places no caller uses stay reserved.
class TFormDesigner : public TDesigner
{
    Z_CLASS(TFormDesigner)
public:
    virtual TMethod CreateEventHandler(const QString &name, PTypeInfo eventType) = 0;
    virtual QString EventHandlerName(const TMethod &method) = 0;
    virtual void ListEventHandlers(PTypeInfo eventType, const TGetStrProc &proc) = 0;
    virtual void ReservedSlot1() = 0;
    // Fills list with what the selection holds: the form itself when nothing is selected.
    virtual void ReadSelection(TComponentList *list) = 0;
    virtual bool EventHandlerExists(const QString &name) = 0;
    virtual void RenameEventHandler(const QString &currentName, const QString &newName) = 0;
    // Adds the object to the selection, or shows it in the inspector when it is not on the form.
    virtual void SelectObject(TObject *object) = 0;
    virtual void ReplaceSelection(TComponentList *list) = 0;
    virtual void ShowEventHandler(const QString &name) = 0;
    // The base name without its first letter and the first number that makes it unique.
    virtual QString UniqueComponentName(const QString &baseName) = 0;
    // Calls proc with the name of each component of the form of class type (or a descendant).
    virtual void ListComponentNames(PTypeInfo type, const TGetStrProc &proc) = 0;
    // Case-insensitive; nullptr when no component has the name.
    virtual TComponent *FindComponentByName(const QString &name) = 0;
    virtual QString NameOfComponent(TComponent *component) = 0;
    virtual void ReservedSlot2() = 0;
    virtual QString NameOfObject(TObject *object) = 0;
    virtual void ReservedSlot3() = 0;
    virtual bool IsInheritedHandler(const TMethod &method) = 0;
    virtual TComponent *CreateComponentAt(TClass componentClass, TControl *parent, int left,
                                          int top, int width, int height) = 0;
    virtual bool CanLinkComponent(TComponent *component) = 0;
    virtual void ReservedSlot4() = 0;
    virtual void ReservedSlot5() = 0;
    virtual void ReservedSlot6() = 0;
    virtual void ReservedSlot7() = 0;
    virtual void ReservedSlot8() = 0;
    virtual void ReservedSlot9() = 0;
    virtual void ReservedSlot10() = 0;
};
