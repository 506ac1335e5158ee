#pragma once

// What the item dialogs' test and their look share: the editor the inspector would make for a
// property, and a main menu placed on the design form as the form's menu.

#include "DsgnIntf.h"
#include "Menus.h"
#include "ZeClientComponents.h"
#include "ZeDesignForm.h"

inline TPropertyEditorRef EditorFor(TObject *object, const QString &name,
                                    TFormDesigner *designer)
{
    TPropertyEditorRef found;
    EnumObjectProperties({object}, PropertyKinds, designer, [&](const TPropertyEditorRef &e) {
        if (e->GetName() == name)
            found = e;
    });
    return found;
}

// Placed at x, y through its proxy, and made the form's menu bar; proxy returns the proxy.
inline TMainMenu *PlaceMainMenu(TfZeDesignForm *form, int x, int y, TControl **proxy = nullptr)
{
    TControl *placed = form->PlaceComponent(TZeMainMenu::StaticClass(), x, y, nullptr, x, y);
    auto *sub = ObjectCast<TZeSubComponent>(placed);
    auto *menu = sub ? ObjectCast<TMainMenu>(sub->Component()) : nullptr;
    if (menu)
        form->SetMenu(menu);
    if (proxy)
        *proxy = placed;
    return menu;
}
