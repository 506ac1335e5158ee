// Lists every class the designer registers, with its ancestry and its published properties
// (name, type, kind, default), one line each. Its output is kept in docs/classes.txt so that a
// reviewer can check the classes against what users of the classic classes expect.

#include "Application.h"
#include "ZeClientComponents.h"
#include "ZeDesignForm.h"
#include "ZeIDE.h"
#include "ZePalette.h"
#include "Registry.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

const char *const kKindNames[] = {
    "Unknown", "Integer", "Char", "Enumeration", "Float", "ShortString", "Set", "Class",
    "Method", "WideChar", "LongString", "WideString", "Variant", "Array", "Record", "Interface"};

QString DefaultText(const TPropInfo *p)
{
    if (p->Default == TPropInfo::NoDefault)
        return QStringLiteral("-");
    const PTypeInfo type = p->PropType;
    if (type->Kind == KindEnumeration)
        return GetEnumName(type, p->Default);
    if (type->Kind == KindSet) {
        QStringList names;
        const PTypeInfo element = GetTypeData(type);
        for (qint64 v = element->MinValue; v <= element->MaxValue && v < 32; ++v) {
            if (p->Default & (qint64(1) << v))
                names << GetEnumName(element, v);
        }
        return QLatin1Char('[') + names.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    return QString::number(p->Default);
}

void ListClass(QTextStream &out, TClass cls)
{
    QStringList ancestry;
    for (TClass c = cls->Parent; c; c = c->Parent)
        ancestry << c->ClassName();
    out << cls->ClassName() << ": " << ancestry.join(QStringLiteral(" < ")) << '\n';
    for (const TPropInfo *p : GetPropList(cls, AnyKinds)) {
        out << "  " << p->Name << ": " << p->PropType->Name << " ("
            << kKindNames[p->PropType->Kind] << ", " << (p->HasWrite ? "read/write" : "read only")
            << ") default " << DefaultText(p) << '\n';
    }
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    // Freeing the designer saves its window places; they go to a store of our own, not the
    // one the user's designer reads.
    QTemporaryDir store;
    SetSettingsRootForTesting(store.path());
    InstallPaletteHooks();
    int status = 0;
    {
        TApplication app(nullptr);
        auto *ide = new TZeIDEForm(&app); // registers the classes while it is made
        QTextStream out(stdout);
        for (TComponentcreator *entry : PaletteEntries())
            ListClass(out, entry->ComponentClass);
        for (TComponentcreator *entry : IconlessEntries())
            ListClass(out, entry->ComponentClass);
        status = PaletteEntries().empty() ? 1 : 0;
        Free(ide);
    }
    ReleasePaletteRegistry();
    return status;
}
