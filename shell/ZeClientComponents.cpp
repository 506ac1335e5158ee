#include "ZeClientComponents.h"

#include "ZeDesignRegistrations.h"

#define ZE_DEFINE_PLACEABLE(Page, Name) Z_DEFINE_CLASS(TZe##Name, T##Name, NoPublishedProps)
ZE_PLACEABLE_CLASSES(ZE_DEFINE_PLACEABLE)
#undef ZE_DEFINE_PLACEABLE

namespace {

// The classes of one page, in button order.
std::vector<TClass> PageClasses(const char *page)
{
    std::vector<TClass> classes;
#define ZE_COLLECT(Page, Name) \
    if (qstrcmp(#Page, page) == 0) \
        classes.push_back(TZe##Name::StaticClass());
    ZE_PLACEABLE_CLASSES(ZE_COLLECT)
#undef ZE_COLLECT
    return classes;
}

} // namespace

void RegisterDesignClasses()
{
    // The palette pages, in palette order.
    for (const char *page : {"Standard", "Additional", "Win32", "System", "Database", "Dialogs"})
        RegisterComponents(QString::fromLatin1(page), PageClasses(page));

    // What the inspector edits with, then what the streaming system reads.
    RegisterDesignPropertyEditors();
    RegisterDesignComponentEditors();
    RegisterStreamedGraphicClasses();

    // Menu items get no palette button.
    RegisterNoIcon({TMenuItem::StaticClass()});
}
