// The property-editor base, the editor registry with its lookup, and the enumeration that makes
// one editor per property common to a selection.

#include "DsgnIntf.h"

#include "Forms.h"
#include "SysUtils.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

Z_DEFINE_CLASS(TFormDesigner, TDesigner, NoPublishedProps)
Z_DEFINE_CLASS(TPropertyEditor, TObject, NoPublishedProps)

// ---- TPropertyEditor ---------------------------------------------------------------------------

TPropertyEditor::~TPropertyEditor() = default;

void TPropertyEditor::Setup(TFormDesigner *designer, int targetCount)
{
    Designer = designer;
    TargetCount = std::max(targetCount, 1);
    m_ownTargets = std::make_unique<TInstProp[]>(size_t(TargetCount));
    Targets = m_ownTargets.get();
}

TPropertyEditorRef NewPropertyEditor(TClass editorClass, TFormDesigner *designer,
                                     int targetCount)
{
    if (!editorClass || !editorClass->InheritsFrom(TPropertyEditor::StaticClass())
        || !editorClass->Create)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    TPropertyEditorRef editor(static_cast<TPropertyEditor *>(editorClass->Create(nullptr)));
    editor->Setup(designer, targetCount);
    return editor;
}

void TPropertyEditor::SetTarget(int index, TObject *instance, const TPropInfo *prop)
{
    Targets[index] = TInstProp{instance, prop};
}

TObject *TPropertyEditor::GetInstance(int index) const
{
    return Targets[index].Instance;
}

PTypeInfo TPropertyEditor::GetPropertyType() const
{
    return Targets[0].PropInfo->PropType;
}

bool TPropertyEditor::AllEqual()
{
    return TargetCount == 1;
}

TPropertyAttributes TPropertyEditor::GetAttributes()
{
    return attrMultiSelect | attrRevertable;
}

int TPropertyEditor::GetEditLimit()
{
    return 255;
}

QString TPropertyEditor::GetName()
{
    return Targets[0].PropInfo->Name;
}

void TPropertyEditor::GetProperties(const TGetPropEditProc &) {}

QString TPropertyEditor::GetValue()
{
    return QStringLiteral("(Unknown)");
}

void TPropertyEditor::GetValues(const TGetStrProc &) {}

void TPropertyEditor::SetValue(const QString &) {}

namespace {

// Gathers the texts a GetValues call reports.
struct StrCollector
{
    QStringList Items;
    void Add(const QString &s) { Items << s; }
};

} // namespace

QStringList TPropertyEditor::ValueList()
{
    StrCollector collector;
    GetValues(TGetStrProc::Of<&StrCollector::Add>(&collector));
    return collector.Items;
}

void TPropertyEditor::Edit()
{
    QStringList values = ValueList();
    if (GetAttributes() & attrSortList) {
        // A sorted list ignores letter case and keeps one entry of each text.
        std::stable_sort(values.begin(), values.end(), [](const QString &a, const QString &b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        values.erase(std::unique(values.begin(), values.end(),
                                 [](const QString &a, const QString &b) {
                                     return a.compare(b, Qt::CaseInsensitive) == 0;
                                 }),
                     values.end());
    }
    if (values.isEmpty())
        return;
    const QString current = GetValue();
    qsizetype next = 0;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (values[i].compare(current, Qt::CaseInsensitive) == 0) {
            next = i + 1 < values.size() ? i + 1 : 0;
            break;
        }
    }
    SetValue(values[next]);
}

qint64 TPropertyEditor::GetOrdinal(int index) const
{
    return GetOrdProp(Targets[index].Instance, Targets[index].PropInfo);
}

double TPropertyEditor::GetFloat(int index) const
{
    return GetFloatProp(Targets[index].Instance, Targets[index].PropInfo);
}

QString TPropertyEditor::GetStr(int index) const
{
    return GetStrProp(Targets[index].Instance, Targets[index].PropInfo);
}

TMethod TPropertyEditor::GetMethod(int index) const
{
    return GetMethodProp(Targets[index].Instance, Targets[index].PropInfo);
}

void TPropertyEditor::Modified()
{
    if (Designer)
        Designer->NotifyModified();
}

void TPropertyEditor::WriteEach(const std::function<void(const TInstProp &)> &write)
{
    const TPropertyEditorRef keepAlive(this); // the designer's notice may rebuild rows
    int written = 0;
    try {
        // A value written to many controls changes them with the form's painting and scroll
        // ranges held, which follow once: each control's own repaint and measuring of all
        // the form's children made it quadratic.
        std::optional<TChildChangesLock> held;
        if (TargetCount > 1 && Designer && Designer->Form)
            held.emplace(Designer->Form);
        for (; written < TargetCount; ++written)
            write(Targets[written]);
    } catch (...) {
        // The objects before the one that refused have the value: the designer hears of
        // the change all the same, so that the handle and the inspector follow them. A
        // refusal by the first changed nothing, and nothing is reported.
        if (written > 0)
            Modified();
        throw;
    }
    Modified();
}

void TPropertyEditor::SetOrdinal(qint64 value)
{
    WriteEach([&](const TInstProp &target) { SetOrdProp(target.Instance, target.PropInfo, value); });
}

void TPropertyEditor::SetFloat(double value)
{
    WriteEach([&](const TInstProp &target) { SetFloatProp(target.Instance, target.PropInfo, value); });
}

void TPropertyEditor::SetStr(const QString &value)
{
    WriteEach([&](const TInstProp &target) { SetStrProp(target.Instance, target.PropInfo, value); });
}

void TPropertyEditor::SetMethod(const TMethod &value)
{
    WriteEach([&](const TInstProp &target) { SetMethodProp(target.Instance, target.PropInfo, value); });
}

void TPropertyEditor::InvalidValue()
{
    throw EPropertyError(QStringLiteral("Invalid property value"));
}

void TPropertyEditor::CheckRange(qint64 value) const
{
    const PTypeInfo type = GetPropertyType();
    if (value < type->MinValue || value > type->MaxValue)
        throw EPropertyError(FormatMessage(QStringLiteral("Value must be between %d and %d"),
                                           {QString::number(type->MinValue),
                                            QString::number(type->MaxValue)}));
}

void TPropertyEditor::SetIntegerText(const QString &text)
{
    const qint64 value = StrToInt(text);
    CheckRange(value);
    SetOrdinal(value);
}

// ---- Registry ----------------------------------------------------------------------------------

namespace {

std::vector<TPropertyClassRec> *g_propertyEditors = nullptr; // owned; newest first

TClass DefaultEditorClass(TTypeKind kind)
{
    switch (kind) {
    case KindInteger: return TIntegerProperty::StaticClass();
    case KindChar: return TCharProperty::StaticClass();
    case KindEnumeration: return TEnumProperty::StaticClass();
    case KindFloat: return TFloatProperty::StaticClass();
    case KindShortString:
    case KindLongString:
    case KindWideString: return TStringProperty::StaticClass();
    case KindSet: return TSetProperty::StaticClass();
    case KindClass: return TClassProperty::StaticClass();
    case KindMethod: return TMethodProperty::StaticClass();
    case KindWideChar:
    case KindVariant: return TPropertyEditor::StaticClass();
    default: return nullptr;
    }
}

} // namespace

void RegisterPropertyEditor(PTypeInfo propertyType, TClass componentClass,
                            const QString &propertyName, TClass editorClass)
{
    if (!g_propertyEditors)
        g_propertyEditors = new std::vector<TPropertyClassRec>();
    TPropertyClassRec rec;
    rec.PropertyType = propertyType;
    rec.ComponentClass = componentClass;
    if (componentClass)
        rec.PropertyName = propertyName;
    rec.EditorClass = editorClass;
    const bool known = std::any_of(
        g_propertyEditors->begin(), g_propertyEditors->end(), [&](const TPropertyClassRec &r) {
            return r.PropertyType == rec.PropertyType && r.ComponentClass == rec.ComponentClass
                   && r.EditorClass == rec.EditorClass
                   && r.PropertyName.compare(rec.PropertyName, Qt::CaseInsensitive) == 0;
        });
    if (!known)
        g_propertyEditors->insert(g_propertyEditors->begin(), rec);
}

const std::vector<TPropertyClassRec> &PropertyEditorRegistry()
{
    static const std::vector<TPropertyClassRec> empty;
    return g_propertyEditors ? *g_propertyEditors : empty;
}

void FreePropertyEditorRegistry()
{
    delete g_propertyEditors;
    g_propertyEditors = nullptr;
}

TClass FindPropertyEditorClass(const TPropInfo *prop, const TObject *instance)
{
    const PTypeInfo type = prop->PropType;
    const TPropertyClassRec *best = nullptr;
    for (const TPropertyClassRec &rec : PropertyEditorRegistry()) {
        const bool typeMatches =
            rec.PropertyType == type
            || (rec.PropertyType && rec.PropertyType->Kind == KindClass
                && type->Kind == KindClass && type->ClassType && rec.PropertyType->ClassType
                && type->ClassType->InheritsFrom(rec.PropertyType->ClassType));
        if (!typeMatches)
            continue;
        if (rec.ComponentClass && !instance->InheritsFrom(rec.ComponentClass))
            continue;
        if (!rec.PropertyName.isEmpty()
            && rec.PropertyName.compare(prop->Name, Qt::CaseInsensitive) != 0)
            continue;
        if (!best
            || (!best->ComponentClass && rec.ComponentClass)
            || (best->PropertyName.isEmpty() && !rec.PropertyName.isEmpty()))
            best = &rec;
    }
    return best ? best->EditorClass : DefaultEditorClass(type->Kind);
}

// ---- TPropInfoList -------------------------------------------------------------------------

TPropInfoList::TPropInfoList(const TObject *instance, TTypeKinds kinds)
    : m_list(GetPropList(instance, kinds))
{}

void TPropInfoList::Delete(int index)
{
    m_list.erase(m_list.begin() + index);
}

bool TPropInfoList::Contains(const TPropInfo *prop) const
{
    return std::any_of(m_list.begin(), m_list.end(), [&](const TPropInfo *p) {
        return p->PropType == prop->PropType
               && p->Name.compare(prop->Name, Qt::CaseInsensitive) == 0;
    });
}

void TPropInfoList::Intersect(const TPropInfoList &other)
{
    for (int i = Count() - 1; i >= 0; --i)
        if (!other.Contains(m_list[size_t(i)]))
            Delete(i);
}

// ---- Enumeration -------------------------------------------------------------------------------

bool IsValueAvailable(TPropertyEditor *editor)
{
    for (int i = 0; i < editor->TargetCount; ++i) {
        auto *component = ObjectCast<TComponent>(editor->GetInstance(i));
        if (component && (component->ComponentStyle() & csCheckPropAvail)) {
            try {
                editor->GetValue();
                editor->AllEqual();
            } catch (const Exception &) {
                return false;
            }
            return true;
        }
    }
    return true;
}

void EnumObjectProperties(const std::vector<TObject *> &selection, TTypeKinds kinds,
                          TFormDesigner *designer, const TGetPropEditProc &proc)
{
    if (selection.empty())
        return;
    const int count = int(selection.size());
    TObject *first = selection.front();
    const TClass firstClass = first->ClassType();

    TPropInfoList candidates(first, kinds);
    for (int i = candidates.Count() - 1; i >= 0; --i) {
        const TPropInfo *prop = candidates.Items(i);
        const TClass editorClass = FindPropertyEditorClass(prop, first);
        bool drop = !editorClass;
        if (!drop) {
            TPropertyEditorRef trial = NewPropertyEditor(editorClass, designer, 1);
            trial->SetTarget(0, first, prop);
            trial->Initialize();
            drop = !prop->HasRead || (prop->PropType->Kind != KindClass && !prop->HasWrite)
                   || (count > 1 && !(trial->GetAttributes() & attrMultiSelect))
                   || !IsValueAvailable(trial.Get());
        }
        if (drop)
            candidates.Delete(i);
    }

    // What an object publishes is what its class publishes: one list per class, not per
    // object, as a selection of a thousand controls holds a dozen classes.
    std::unordered_map<TClass, TPropInfoList> classLists;
    std::vector<const TPropInfoList *> lists;
    lists.reserve(selection.size());
    for (TObject *obj : selection) {
        auto it = classLists.find(obj->ClassType());
        if (it == classLists.end())
            it = classLists.emplace(obj->ClassType(), TPropInfoList(obj, kinds)).first;
        lists.push_back(&it->second);
    }
    for (const auto &[cls, list] : classLists)
        candidates.Intersect(list);
    for (auto &[cls, list] : classLists)
        list.Intersect(candidates);

    for (int i = 0; i < candidates.Count(); ++i) {
        const TClass editorClass = FindPropertyEditorClass(candidates.Items(i), first);
        if (!editorClass)
            continue;
        TPropertyEditorRef editor = NewPropertyEditor(editorClass, designer, count);
        bool common = true;
        for (int j = 0; j < count && common; ++j) {
            TObject *obj = selection[size_t(j)];
            const TPropInfo *prop = lists[size_t(j)]->Items(i);
            if (obj->ClassType() != firstClass
                && FindPropertyEditorClass(prop, obj) != editorClass)
                common = false;
            else
                editor->SetTarget(j, obj, prop);
        }
        if (!common)
            continue;
        editor->Initialize();
        if (IsValueAvailable(editor.Get()))
            proc(editor);
    }
}

void EnumComponentProperties(TComponentList *selection, TTypeKinds kinds,
                             TFormDesigner *designer, const TGetPropEditProc &proc)
{
    std::vector<TObject *> objects;
    for (int i = 0; i < selection->Count(); ++i)
        objects.push_back(selection->Items(i));
    EnumObjectProperties(objects, kinds, designer, proc);
}
