#include "ZeClientComponents.h"

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
    // Step 1: the palette pages, in palette order.
    for (const char *page : {"Standard", "Additional", "Win32", "System", "Database", "Dialogs"})
        RegisterComponents(QString::fromLatin1(page), PageClasses(page));

    // Step 2: property editors.
    // Step 3: component editors.
    // Step 4: the streaming registration of TBitmap and TPicture.
    // These three steps come with the property-inspection and editor units.

    // Step 5: menu items get no palette button.
    RegisterNoIcon({TMenuItem::StaticClass()});
}
