#pragma once

// The design-time interface: what property and component editors and the object inspector ask
// of the form being designed; the property-editor framework with its standard editors; the
// component-editor framework.

#include "Contnrs.h"
#include "Forms.h"
#include "TypInfo.h"

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

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

// ==== Editor lifetime =========================================================================
//
// Property editors and component editors carry an intrusive reference count. Whoever uses an
// editor holds it through a TEditorRef (the enumeration's receiver, the inspector's rows, a
// modeless editor window); the editor is freed when the last reference goes, never directly.
// - An editor holds itself while its Edit runs a dialog and while it writes a value, so that
//   rows rebuilt meanwhile (NotifyModified, a new Inspect) cannot free it under its own feet.
// - A set element editor borrows its set editor's Targets and holds a reference to that set
//   editor, so the borrowed array lives as long as any element editor.
// - TDefaultEditor keeps First and Best as references and drops them when its Edit ends.
// Editors are made through NewPropertyEditor and GetComponentEditor, which hand out the first
// reference. The edited objects themselves are not held: holders drop their editors when the
// selection changes, as the inspector does on every Inspect.

class TEditorRefCount
{
public:
    TEditorRefCount() = default;
    TEditorRefCount(const TEditorRefCount &) = delete;
    TEditorRefCount &operator=(const TEditorRefCount &) = delete;

    void AddRef() { ++m_refCount; }
    // True when the last reference went.
    bool ReleaseRef() { return --m_refCount == 0; }
    int RefCount() const { return m_refCount; }

private:
    int m_refCount = 0;
};

template<class T>
class TEditorRef
{
public:
    TEditorRef() = default;
    TEditorRef(std::nullptr_t) {}
    // Adopts a fresh editor or shares one already held elsewhere.
    explicit TEditorRef(T *p) : m_p(p) { Acquire(); }
    TEditorRef(const TEditorRef &o) : m_p(o.m_p) { Acquire(); }
    TEditorRef(TEditorRef &&o) noexcept : m_p(o.m_p) { o.m_p = nullptr; }
    template<class U, class = std::enable_if_t<std::is_convertible_v<U *, T *>>>
    TEditorRef(const TEditorRef<U> &o) : m_p(o.Get()) { Acquire(); }
    ~TEditorRef() { Reset(); }
    TEditorRef &operator=(TEditorRef o) noexcept
    {
        std::swap(m_p, o.m_p);
        return *this;
    }

    void Reset()
    {
        T *p = std::exchange(m_p, nullptr);
        if (p && p->ReleaseRef())
            Free(p);
    }
    T *Get() const { return m_p; }
    T *operator->() const { return m_p; }
    T &operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    bool operator==(const TEditorRef &o) const { return m_p == o.m_p; }

private:
    void Acquire()
    {
        if (m_p)
            m_p->AddRef();
    }
    T *m_p = nullptr;
};

// ==== Property editors ========================================================================

// Attribute flags of a property editor (GetAttributes).
using TPropertyAttributes = quint8;
enum : TPropertyAttributes {
    attrValueList = 0x01,     // GetValues offers the allowed values
    attrSubProperties = 0x02, // GetProperties yields editors of sub-properties
    attrDialog = 0x04,        // Edit opens a dialog
    attrMultiSelect = 0x08,   // may edit several objects at once
    attrAutoUpdate = 0x10,
    attrSortList = 0x20,      // the value list is sorted
    attrReadOnly = 0x40,
    attrRevertable = 0x80,
};
// What the editors of a value from a fixed list (enumerations, colours, cursors...) answer.
inline constexpr TPropertyAttributes ValueListAttributes =
    attrValueList | attrMultiSelect | attrSortList | attrRevertable;

// One edited property of one object.
struct TInstProp
{
    TObject *Instance = nullptr; // not owned
    const TPropInfo *PropInfo = nullptr;
};

class TPropertyEditor;
using TPropertyEditorRef = TEditorRef<TPropertyEditor>;
// Receives one editor; keeping the reference keeps the editor.
using TGetPropEditProc = std::function<void(const TPropertyEditorRef &)>;

// Stands between one published property of the selected objects and its text. Values are read
// from target 0; writes go to every target in order, followed by one NotifyModified.
class TPropertyEditor : public TObject, public TEditorRefCount
{
    Z_CLASS(TPropertyEditor)
public:
    // Used by the class record's factory only: editors are made through NewPropertyEditor.
    TPropertyEditor() = default;
    ~TPropertyEditor() override;

    TFormDesigner *Designer = nullptr; // not owned
    // TargetCount entries; owned, except by set element editors, which borrow their set
    // editor's (and keep that editor alive while they live).
    TInstProp *Targets = nullptr;
    int TargetCount = 0;

    // The virtual operations keep their slot order.
    virtual void Activate() {}
    virtual bool AllEqual();
    // The default action: steps to the next entry of the value list.
    virtual void Edit();
    virtual TPropertyAttributes GetAttributes();
    virtual int GetEditLimit();
    virtual QString GetName();
    virtual void GetProperties(const TGetPropEditProc &proc);
    virtual QString GetValue();
    virtual void GetValues(const TGetStrProc &proc);
    virtual void Initialize() {}
    virtual void SetValue(const QString &value);

    void SetTarget(int index, TObject *instance, const TPropInfo *prop);
    TObject *GetInstance(int index = 0) const;
    const TPropInfo *GetPropInfo() const { return Targets[0].PropInfo; }
    PTypeInfo GetPropertyType() const;

    qint64 GetOrdinal(int index = 0) const;
    double GetFloat(int index = 0) const;
    QString GetStr(int index = 0) const;
    TMethod GetMethod(int index = 0) const;
    void SetOrdinal(qint64 value);
    void SetFloat(double value);
    void SetStr(const QString &value);
    void SetMethod(const TMethod &value);

    // The value list as GetValues gives it.
    QStringList ValueList();

protected:
    // Called once, by NewPropertyEditor, before anything else.
    void Setup(TFormDesigner *designer, int targetCount);
    void Modified();
    // Writes to every target in turn, then tells the designer; it is told also when a target
    // refuses the value, before the refusal goes on to the caller.
    void WriteEach(const std::function<void(const TInstProp &)> &write);
    // Integer input: the framework's integer parse, then the type's range.
    void SetIntegerText(const QString &text);
    void CheckRange(qint64 value) const;
    [[noreturn]] static void InvalidValue();

    std::unique_ptr<TInstProp[]> m_ownTargets;

    friend TPropertyEditorRef NewPropertyEditor(TClass, TFormDesigner *, int);
};

// Makes an editor of cls (TPropertyEditor or a descendant) with targetCount empty targets.
TPropertyEditorRef NewPropertyEditor(TClass editorClass, TFormDesigner *designer,
                                     int targetCount);

// ---- Ordinal family ----

class TOrdinalProperty : public TPropertyEditor
{
    Z_CLASS(TOrdinalProperty)
public:
    bool AllEqual() override;
    int GetEditLimit() override { return 63; }
};

class TIntegerProperty : public TOrdinalProperty
{
    Z_CLASS(TIntegerProperty)
public:
    QString GetValue() override;
    void SetValue(const QString &value) override;
};

class TCharProperty : public TOrdinalProperty
{
    Z_CLASS(TCharProperty)
public:
    QString GetValue() override;
    void SetValue(const QString &value) override;
};

class TEnumProperty : public TOrdinalProperty
{
    Z_CLASS(TEnumProperty)
public:
    TPropertyAttributes GetAttributes() override;
    QString GetValue() override;
    void GetValues(const TGetStrProc &proc) override;
    void SetValue(const QString &value) override;
};

class TBoolProperty : public TEnumProperty
{
    Z_CLASS(TBoolProperty)
public:
    QString GetValue() override;
    void GetValues(const TGetStrProc &proc) override;
    void SetValue(const QString &value) override;
};

class TSetProperty : public TOrdinalProperty
{
    Z_CLASS(TSetProperty)
public:
    TPropertyAttributes GetAttributes() override;
    void GetProperties(const TGetPropEditProc &proc) override;
    QString GetValue() override;
};

class TShortCutProperty : public TOrdinalProperty
{
    Z_CLASS(TShortCutProperty)
public:
    TPropertyAttributes GetAttributes() override;
    QString GetValue() override;
    void GetValues(const TGetStrProc &proc) override;
    void SetValue(const QString &value) override;
};

class TFontCharsetProperty : public TIntegerProperty
{
    Z_CLASS(TFontCharsetProperty)
public:
    TPropertyAttributes GetAttributes() override;
    QString GetValue() override;
    void GetValues(const TGetStrProc &proc) override;
    void SetValue(const QString &value) override;
};

class TColorProperty : public TIntegerProperty
{
    Z_CLASS(TColorProperty)
public:
    TPropertyAttributes GetAttributes() override;
    // Opens the colour dialog; the user's custom colours live in the per-user store.
    void Edit() override;
    QString GetValue() override;
    void GetValues(const TGetStrProc &proc) override;
    void SetValue(const QString &value) override;
};

class TCursorProperty : public TIntegerProperty
{
    Z_CLASS(TCursorProperty)
public:
    TPropertyAttributes GetAttributes() override;
    QString GetValue() override;
    void GetValues(const TGetStrProc &proc) override;
    void SetValue(const QString &value) override;
};

class TModalResultProperty : public TIntegerProperty
{
    Z_CLASS(TModalResultProperty)
public:
    TPropertyAttributes GetAttributes() override;
    QString GetValue() override;
    void GetValues(const TGetStrProc &proc) override;
    void SetValue(const QString &value) override;
};

class TTabOrderProperty : public TIntegerProperty
{
    Z_CLASS(TTabOrderProperty)
public:
    TPropertyAttributes GetAttributes() override { return 0; }
};

// ---- Floats, strings ----

class TFloatProperty : public TPropertyEditor
{
    Z_CLASS(TFloatProperty)
public:
    bool AllEqual() override;
    QString GetValue() override;
    void SetValue(const QString &value) override;
};

class TStringProperty : public TPropertyEditor
{
    Z_CLASS(TStringProperty)
public:
    bool AllEqual() override;
    int GetEditLimit() override;
    QString GetValue() override;
    void SetValue(const QString &value) override;
};

class TComponentNameProperty : public TStringProperty
{
    Z_CLASS(TComponentNameProperty)
public:
    TPropertyAttributes GetAttributes() override { return 0; }
    int GetEditLimit() override { return 63; }
};

class TFontNameProperty : public TStringProperty
{
    Z_CLASS(TFontNameProperty)
public:
    TPropertyAttributes GetAttributes() override;
    void GetValues(const TGetStrProc &proc) override;
};

class TMPFilenameProperty : public TStringProperty
{
    Z_CLASS(TMPFilenameProperty)
public:
    TPropertyAttributes GetAttributes() override;
    // Opens a file-open dialog for media files.
    void Edit() override;
};

class TCaptionProperty : public TStringProperty
{
    Z_CLASS(TCaptionProperty)
public:
    TPropertyAttributes GetAttributes() override;
};

// ---- Sets ----

// One element of a set, as a Boolean sub-property of a TSetProperty.
class TSetElementProperty : public TPropertyEditor
{
    Z_CLASS(TSetElementProperty)
public:
    quint32 Element = 0;

    TPropertyAttributes GetAttributes() override;
    QString GetName() override;
    QString GetValue() override;
    void GetValues(const TGetStrProc &proc) override;
    void SetValue(const QString &value) override;

private:
    friend class TSetProperty;
    TPropertyEditorRef m_setEditor; // whose Targets this one borrows
};

// ---- Objects, references, events ----

class TClassProperty : public TPropertyEditor
{
    Z_CLASS(TClassProperty)
public:
    TPropertyAttributes GetAttributes() override;
    void GetProperties(const TGetPropEditProc &proc) override;
    QString GetValue() override;
};

class TFontProperty : public TClassProperty
{
    Z_CLASS(TFontProperty)
public:
    TPropertyAttributes GetAttributes() override;
    // Opens a font dialog preset with the property's font.
    void Edit() override;
};

class TMethodProperty : public TPropertyEditor
{
    Z_CLASS(TMethodProperty)
public:
    bool AllEqual() override;
    void Edit() override;
    TPropertyAttributes GetAttributes() override;
    int GetEditLimit() override { return 63; }
    QString GetValue() override;
    void GetValues(const TGetStrProc &proc) override;
    void SetValue(const QString &value) override;
    // "Form" or the object's name, followed by the event's name without its leading "On".
    virtual QString GetDefaultMethodName();
};

class TComponentProperty : public TPropertyEditor
{
    Z_CLASS(TComponentProperty)
public:
    TPropertyAttributes GetAttributes() override;
    int GetEditLimit() override { return 127; }
    QString GetValue() override;
    void GetValues(const TGetStrProc &proc) override;
    void SetValue(const QString &value) override;
};

// ---- Dates and times (float values, days since 1899-12-30) ----

class TDateProperty : public TPropertyEditor
{
    Z_CLASS(TDateProperty)
public:
    QString GetValue() override;
    void SetValue(const QString &value) override;
};

class TTimeProperty : public TPropertyEditor
{
    Z_CLASS(TTimeProperty)
public:
    QString GetValue() override;
    void SetValue(const QString &value) override;
};

class TDateTimeProperty : public TPropertyEditor
{
    Z_CLASS(TDateTimeProperty)
public:
    QString GetValue() override;
    void SetValue(const QString &value) override;
};

// ---- Registry, lookup and enumeration ----

struct TPropertyClassRec
{
    int Group = 0;
    PTypeInfo PropertyType = nullptr;
    QString PropertyName;             // empty: any name
    TClass ComponentClass = nullptr;  // none: any class
    TClass EditorClass = nullptr;
};

// Newest first. A name without a component class is dropped (the registration then covers
// every name). Registering a record equal to one already there does nothing, so the designer
// may run its registrations at every opening.
void RegisterPropertyEditor(PTypeInfo propertyType, TClass componentClass,
                            const QString &propertyName, TClass editorClass);
// The editor class of the property of instance; nullptr when the property is not editable.
TClass FindPropertyEditorClass(const TPropInfo *prop, const TObject *instance);
// The registry's records, newest first.
const std::vector<TPropertyClassRec> &PropertyEditorRegistry();
// Empties the registry (program end; tests).
void FreePropertyEditorRegistry();

// The published properties of one object for a kind set, sorted by name ignoring case.
class TPropInfoList
{
public:
    TPropInfoList(const TObject *instance, TTypeKinds kinds);

    int Count() const { return int(m_list.size()); }
    const TPropInfo *Items(int index) const { return m_list.at(size_t(index)); }
    void Delete(int index);
    // Same property type (by identity) and same name ignoring case.
    bool Contains(const TPropInfo *prop) const;
    // Deletes every item the other list does not contain.
    void Intersect(const TPropInfoList &other);

private:
    TPropList m_list;
};

// Calls proc once per property common to the whole selection with a new, initialised editor
// whose targets are all selected objects.
void EnumComponentProperties(TComponentList *selection, TTypeKinds kinds,
                             TFormDesigner *designer, const TGetPropEditProc &proc);
// The same over any persistent objects (a font held by several controls).
void EnumObjectProperties(const std::vector<TObject *> &selection, TTypeKinds kinds,
                          TFormDesigner *designer, const TGetPropEditProc &proc);
// False when a target that asks for probing cannot show its value.
bool IsValueAvailable(TPropertyEditor *editor);

// ==== Component editors =======================================================================

class TComponentEditor;
using TComponentEditorRef = TEditorRef<TComponentEditor>;

// Edits one component as a whole: a default action and numbered verbs.
class TComponentEditor : public TObject, public TEditorRefCount
{
    Z_CLASS(TComponentEditor)
public:
    TComponentEditor() = default;

    TComponent *Component = nullptr;   // not owned
    TFormDesigner *Designer = nullptr; // not owned

    // Runs once right after the editor is made; descendants that override it call it first.
    virtual void Create(TComponent *component, TFormDesigner *designer);
    // Executes verb 0 when there is one.
    virtual void Edit();
    virtual void ExecuteVerb(int index);
    virtual QString GetVerb(int index);
    virtual int GetVerbCount();
    virtual void Copy() {}
};

// Edit opens the best event of the component: OnCreate, else OnChange, else OnClick, else the
// first event met.
class TDefaultEditor : public TComponentEditor
{
    Z_CLASS(TDefaultEditor)
public:
    TPropertyEditorRef First;
    TPropertyEditorRef Best;
    bool Continue = false;

    void Edit() override;
    // Looks at one property; keeping it clears freeEditor. Descendants may clear cont.
    virtual void EditProperty(const TPropertyEditorRef &editor, bool &cont, bool &freeEditor);
};

struct TComponentClassRec
{
    int Group = 0;
    TClass ComponentClass = nullptr;
    TClass EditorClass = nullptr;
};

// Newest first; registering the same pair again does nothing.
void RegisterComponentEditor(TClass componentClass, TClass editorClass);
// Always an editor: that of the most derived registered class of component, else a
// TDefaultEditor.
TComponentEditorRef GetComponentEditor(TComponent *component, TFormDesigner *designer);
const std::vector<TComponentClassRec> &ComponentEditorRegistry();
void FreeComponentEditorRegistry();
