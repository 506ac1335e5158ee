// The property-editor framework: registry and lookup, the enumeration over selections, the base
// editor's value cycling, editor lifetime, and the component-editor framework.

#include "InspectionFixture.h"

#include "StdCtrls.h"

// Editors that only tell which registration was chosen.
class TEditorA : public TStringProperty { Z_CLASS(TEditorA) };
class TEditorB : public TStringProperty { Z_CLASS(TEditorB) };
class TEditorC : public TStringProperty { Z_CLASS(TEditorC) };
class TSoloEditor : public TIntegerProperty
{
    Z_CLASS(TSoloEditor)
public:
    TPropertyAttributes GetAttributes() override { return attrRevertable; }
};
Z_DEFINE_CLASS(TEditorA, TStringProperty, NoPublishedProps)
Z_DEFINE_CLASS(TEditorB, TStringProperty, NoPublishedProps)
Z_DEFINE_CLASS(TEditorC, TStringProperty, NoPublishedProps)
Z_DEFINE_CLASS(TSoloEditor, TIntegerProperty, NoPublishedProps)

// Component editors that record what was asked of them.
class TButtonEditor : public TComponentEditor
{
    Z_CLASS(TButtonEditor)
public:
    int GetVerbCount() override { return 2; }
    QString GetVerb(int index) override { return QStringLiteral("Verb%1").arg(index); }
    void ExecuteVerb(int index) override { Executed << index; }
    static inline QList<int> Executed;
};
class TControlEditor : public TDefaultEditor { Z_CLASS(TControlEditor) };
class TLaterButtonEditor : public TDefaultEditor { Z_CLASS(TLaterButtonEditor) };
Z_DEFINE_CLASS(TButtonEditor, TComponentEditor, NoPublishedProps)
Z_DEFINE_CLASS(TControlEditor, TDefaultEditor, NoPublishedProps)
Z_DEFINE_CLASS(TLaterButtonEditor, TDefaultEditor, NoPublishedProps)

struct Registration
{
    PTypeInfo Type;
    TClass Component;
    QString Name;
    TClass Editor;
};
using Registrations = QList<Registration>;
Q_DECLARE_METATYPE(Registrations)

class TestPropertyEditors : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        FreePropertyEditorRegistry();
        FreeComponentEditorRegistry();
        m_fx = std::make_unique<InspectionFixture>();
    }
    void cleanup()
    {
        m_fx.reset();
        FreePropertyEditorRegistry();
        FreeComponentEditorRegistry();
    }

    void lookup_data();
    void lookup();
    void registrationRepeatedIsKeptOnce();
    void enumerationSingle();
    void enumerationMultiSelection_data();
    void enumerationMultiSelection();
    void enumerationWritesAllTargetsOnce();
    void enumerationProbesValues();
    void enumerationEmptySelection();
    void baseEditCycles_data();
    void baseEditCycles();
    void editorOutlivesItsHolders();
    void componentEditorLookup_data();
    void componentEditorLookup();
    void componentEditorVerbs();
    void defaultEditorRanking_data();
    void defaultEditorRanking();
    void defaultEditorWithoutEvents();

private:
    std::unique_ptr<InspectionFixture> m_fx;
};

void TestPropertyEditors::lookup_data()
{
    QTest::addColumn<Registrations>("registrations");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("editor");

    const PTypeInfo caption = TypeInfoTCaption();
    const TClass a = TEditorA::StaticClass(), b = TEditorB::StaticClass(),
                 c = TEditorC::StaticClass();
    const TClass button = TButton::StaticClass(), control = TControl::StaticClass();
    QTest::newRow("no registration: string default") << Registrations{} << "Caption"
                                                     << "TStringProperty";
    QTest::newRow("no registration: class default") << Registrations{} << "Font"
                                                    << "TClassProperty";
    QTest::newRow("no registration: method default") << Registrations{} << "OnClick"
                                                     << "TMethodProperty";
    QTest::newRow("no registration: enumeration default") << Registrations{} << "Default"
                                                          << "TEnumProperty";
    QTest::newRow("no registration: set default") << Registrations{} << "Anchors"
                                                  << "TSetProperty";
    QTest::newRow("equals: newest wins")
        << Registrations{{caption, nullptr, "", a}, {caption, nullptr, "", b}} << "Caption"
        << "TEditorB";
    QTest::newRow("class beats general, registered first")
        << Registrations{{caption, button, "", a}, {caption, nullptr, "", b}} << "Caption"
        << "TEditorA";
    QTest::newRow("class beats general, registered last")
        << Registrations{{caption, nullptr, "", b}, {caption, button, "", a}} << "Caption"
        << "TEditorA";
    QTest::newRow("name beats class alone")
        << Registrations{{caption, control, "caption", a}, {caption, control, "", b}}
        << "Caption" << "TEditorA";
    QTest::newRow("ancestor class registration covers descendants")
        << Registrations{{caption, control, "", a}} << "Caption" << "TEditorA";
    QTest::newRow("other component class does not apply")
        << Registrations{{caption, TEdit::StaticClass(), "", a}} << "Caption"
        << "TCaptionProperty";
    QTest::newRow("other property name does not apply")
        << Registrations{{caption, button, "Hint", a}} << "Caption" << "TCaptionProperty";
    QTest::newRow("name without class is dropped: applies to every name")
        << Registrations{{TypeInfoString(), nullptr, "Hint", c}} << "Name" << "TEditorC";
    QTest::newRow("class type registration covers descendant types")
        << Registrations{{TPersistent::StaticClass()->ClassTypeInfo(), nullptr, "", a}}
        << "Font" << "TEditorA";
    QTest::newRow("class type registration does not cover ancestors")
        << Registrations{{TButton::StaticClass()->ClassTypeInfo(), nullptr, "", a}}
        << "PopupMenu" << "TClassProperty";
}

void TestPropertyEditors::lookup()
{
    QFETCH(Registrations, registrations);
    QFETCH(QString, property);
    QFETCH(QString, editor);
    // TCaption has its own editor unless a test registration takes over.
    RegisterPropertyEditor(TypeInfoTCaption(), nullptr, QString(),
                           TCaptionProperty::StaticClass());
    if (registrations.isEmpty())
        FreePropertyEditorRegistry();
    for (const Registration &r : registrations)
        RegisterPropertyEditor(r.Type, r.Component, r.Name, r.Editor);
    auto *btn = new TButton(m_fx->Form);
    const TClass found = FindPropertyEditorClass(GetPropInfo(btn, property), btn);
    QVERIFY(found);
    QCOMPARE(found->ClassName(), editor);
}

void TestPropertyEditors::registrationRepeatedIsKeptOnce()
{
    // The designer registers at every opening.
    for (int opening = 0; opening < 3; ++opening) {
        RegisterStandardEditors();
        RegisterComponentEditor(TButton::StaticClass(), TButtonEditor::StaticClass());
    }
    FreePropertyEditorRegistry();
    RegisterStandardEditors();
    const size_t once = PropertyEditorRegistry().size();
    RegisterStandardEditors();
    QCOMPARE(PropertyEditorRegistry().size(), once);
    QCOMPARE(ComponentEditorRegistry().size(), size_t(1));
    // The name given without a class was not stored.
    RegisterPropertyEditor(TypeInfoString(), nullptr, QStringLiteral("Hint"),
                           TEditorA::StaticClass());
    QCOMPARE(PropertyEditorRegistry().front().PropertyName, QString());
    QCOMPARE(PropertyEditorRegistry().front().EditorClass, TEditorA::StaticClass());
}

void TestPropertyEditors::enumerationSingle()
{
    RegisterStandardEditors();
    auto *probe = new TProbe(m_fx->Form);
    TComponentList list;
    list.Add(probe);
    EditorBag bag;
    EnumComponentProperties(&list, PropertyKinds, m_fx->Designer, bag.Proc());
    const QStringList names = bag.Names();
    // Sorted by name ignoring case; a read-only integer is left out, read-only objects stay.
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString &x, const QString &y) {
                  return x.compare(y, Qt::CaseInsensitive) < 0;
              });
    QCOMPARE(names, sorted);
    QVERIFY(!names.contains("Counter"));
    QVERIFY(names.contains("Font"));
    QVERIFY(names.contains("NoFont"));
    QVERIFY(names.contains("Name"));
    QVERIFY(names.contains("OnClick"));
    QCOMPARE(bag.Find("Name")->ClassName(), QString("TComponentNameProperty"));
    QCOMPARE(bag.Find("Font")->ClassName(), QString("TFontProperty"));
    QCOMPARE(bag.Find("Kind")->TargetCount, 1);

    // The inspector's kinds (1 to 11) and the class editor's (no events) leave events out.
    EditorBag noEvents;
    EnumComponentProperties(&list, TTypeKinds(PropertyKinds & ~KindBit(KindMethod)),
                            m_fx->Designer, noEvents.Proc());
    QVERIFY(!noEvents.Names().contains("OnClick"));
    QCOMPARE(noEvents.Editors.size(), bag.Editors.size() - 5);
}

void TestPropertyEditors::enumerationMultiSelection_data()
{
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("special");
    QTest::addColumn<QString>("property");
    QTest::addColumn<bool>("listed");

    QTest::newRow("two buttons share Caption") << "button" << false << "Caption" << true;
    QTest::newRow("name editor is not multi-select") << "button" << false << "Name" << false;
    QTest::newRow("tab order editor is not multi-select") << "button" << false << "TabOrder"
                                                          << false;
    QTest::newRow("only one has the property") << "edit" << false << "Caption" << false;
    QTest::newRow("same name, other type") << "probe" << false << "Caption" << false;
    QTest::newRow("same name and type, same default editor") << "probe" << false << "Hint"
                                                             << true;
    QTest::newRow("other class gets another editor") << "probe" << true << "Hint" << false;
    QTest::newRow("common to button and edit") << "edit" << false << "Left" << true;
    QTest::newRow("events shared by different classes") << "edit" << false << "OnClick" << true;
}

void TestPropertyEditors::enumerationMultiSelection()
{
    QFETCH(QString, second);
    QFETCH(bool, special);
    QFETCH(QString, property);
    QFETCH(bool, listed);
    RegisterStandardEditors();
    if (special)
        RegisterPropertyEditor(TypeInfoString(), TButton::StaticClass(), "Hint",
                               TEditorA::StaticClass());
    auto *btn = new TButton(m_fx->Form);
    TComponent *other = nullptr;
    if (second == "button")
        other = new TButton(m_fx->Form);
    else if (second == "edit")
        other = new TEdit(m_fx->Form);
    else
        other = new TProbe(m_fx->Form);
    TComponentList list;
    list.Add(btn);
    list.Add(other);
    EditorBag bag;
    EnumComponentProperties(&list, PropertyKinds, m_fx->Designer, bag.Proc());
    const TPropertyEditorRef editor = bag.Find(property);
    QCOMPARE(bool(editor), listed);
    if (editor) {
        QCOMPARE(editor->TargetCount, 2);
        QCOMPARE(editor->GetInstance(0), static_cast<TObject *>(btn));
        QCOMPARE(editor->GetInstance(1), static_cast<TObject *>(other));
    }
}

void TestPropertyEditors::enumerationWritesAllTargetsOnce()
{
    RegisterStandardEditors();
    auto *b1 = new TButton(m_fx->Form);
    auto *b2 = new TButton(m_fx->Form);
    auto *b3 = new TButton(m_fx->Form);
    b1->SetCaption("one");
    b2->SetCaption("two");
    b3->SetCaption("one");
    TComponentList list;
    list.Add(b1);
    list.Add(b2);
    EditorBag bag;
    EnumComponentProperties(&list, PropertyKinds, m_fx->Designer, bag.Proc());
    TPropertyEditorRef caption = bag.Find("Caption");
    QVERIFY(caption);
    QCOMPARE(caption->GetValue(), QString("one"));
    QVERIFY(!caption->AllEqual());
    caption->SetValue("same");
    QCOMPARE(b1->Caption(), QString("same"));
    QCOMPARE(b2->Caption(), QString("same"));
    QCOMPARE(b3->Caption(), QString("one"));
    QVERIFY(caption->AllEqual());
    QCOMPARE(m_fx->Designer->Notices, 1);

    // A refused value writes nothing and notifies nobody.
    TPropertyEditorRef left = bag.Find("Left");
    QVERIFY_THROWS_EXCEPTION(EConvertError, left->SetValue("x"));
    QCOMPARE(m_fx->Designer->Notices, 1);
}

void TestPropertyEditors::enumerationProbesValues()
{
    auto *probe = new TProbe(m_fx->Form);
    probe->Broken = true;
    TComponentList list;
    list.Add(probe);
    EditorBag plain;
    EnumComponentProperties(&list, PropertyKinds, m_fx->Designer, plain.Proc());
    QVERIFY(plain.Find("Fragile")); // not probed without the style flag

    probe->SetComponentStyle(probe->ComponentStyle() | csCheckPropAvail);
    EditorBag probed;
    EnumComponentProperties(&list, PropertyKinds, m_fx->Designer, probed.Proc());
    QVERIFY(!probed.Find("Fragile"));
    QVERIFY(probed.Find("Tag2"));
}

void TestPropertyEditors::enumerationEmptySelection()
{
    TComponentList list;
    EditorBag bag;
    EnumComponentProperties(&list, AnyKinds, m_fx->Designer, bag.Proc());
    QVERIFY(bag.Editors.isEmpty());
}

void TestPropertyEditors::baseEditCycles_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<qint64>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("enumeration steps in order") << "Kind" << qint64(pkAlpha) << "pkBeta";
    QTest::newRow("enumeration wraps at the end") << "Kind" << qint64(pkGamma) << "pkAlpha";
    QTest::newRow("sorted list: next in sorted order") << "Cursor" << qint64(-21) << "crHelp";
    QTest::newRow("sorted list: last sorted wraps") << "Cursor" << qint64(-15) << "crAppStart";
    QTest::newRow("value not in list takes the first") << "Cursor" << qint64(5) << "crAppStart";
}

void TestPropertyEditors::baseEditCycles()
{
    QFETCH(QString, property);
    QFETCH(qint64, before);
    QFETCH(QString, after);
    RegisterStandardEditors();
    TComponent *target = property == "Kind" ? static_cast<TComponent *>(new TProbe(m_fx->Form))
                                            : new TButton(m_fx->Form);
    SetOrdProp(target, GetPropInfo(target, property), before);
    TPropertyEditorRef editor = m_fx->Editor(target, property);
    QVERIFY(editor);
    editor->Edit();
    QCOMPARE(editor->GetValue(), after);
}

void TestPropertyEditors::editorOutlivesItsHolders()
{
    auto *probe = new TProbe(m_fx->Form);
    probe->SetKinds(0b101);
    TPropertyEditorRef set = m_fx->Editor(probe, "Kinds");
    QVERIFY(set);
    EditorBag elements;
    set->GetProperties(elements.Proc());
    QCOMPARE(elements.Names(), QStringList({"pkAlpha", "pkBeta", "pkGamma"}));
    QCOMPARE(set->RefCount(), 4); // one holder, three element editors
    // The inspector rebuilds its rows: the set editor goes, its elements still work.
    set.Reset();
    QCOMPARE(elements.Editors[2]->GetValue(), QString("True"));
    elements.Editors[1]->SetValue("True");
    QCOMPARE(probe->Kinds(), qint64(0b111));
    elements.Editors.clear(); // frees the elements, then the set editor (sanitizer-checked)
}

void TestPropertyEditors::componentEditorLookup_data()
{
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing registered") << QStringList{} << "TDefaultEditor";
    QTest::newRow("derived registered last") << QStringList{"control", "button"}
                                             << "TButtonEditor";
    QTest::newRow("derived registered first") << QStringList{"button", "control"}
                                              << "TButtonEditor";
    QTest::newRow("ancestor only") << QStringList{"control"} << "TControlEditor";
    QTest::newRow("same class twice: newest") << QStringList{"button", "later"}
                                              << "TLaterButtonEditor";
    QTest::newRow("unrelated class") << QStringList{"edit"} << "TDefaultEditor";
}

void TestPropertyEditors::componentEditorLookup()
{
    QFETCH(QStringList, order);
    QFETCH(QString, expected);
    for (const QString &what : order) {
        if (what == "control")
            RegisterComponentEditor(TControl::StaticClass(), TControlEditor::StaticClass());
        else if (what == "button")
            RegisterComponentEditor(TButton::StaticClass(), TButtonEditor::StaticClass());
        else if (what == "later")
            RegisterComponentEditor(TButton::StaticClass(), TLaterButtonEditor::StaticClass());
        else
            RegisterComponentEditor(TEdit::StaticClass(), TButtonEditor::StaticClass());
    }
    auto *btn = new TButton(m_fx->Form);
    TComponentEditorRef editor = GetComponentEditor(btn, m_fx->Designer);
    QVERIFY(editor);
    QCOMPARE(editor->ClassName(), expected);
    QCOMPARE(editor->Component, static_cast<TComponent *>(btn));
    QCOMPARE(editor->Designer, static_cast<TFormDesigner *>(m_fx->Designer));
}

void TestPropertyEditors::componentEditorVerbs()
{
    RegisterComponentEditor(TButton::StaticClass(), TButtonEditor::StaticClass());
    TButtonEditor::Executed.clear();
    TComponentEditorRef editor = GetComponentEditor(new TButton(m_fx->Form), m_fx->Designer);
    QCOMPARE(editor->GetVerb(1), QString("Verb1"));
    editor->Edit(); // the default action is verb 0
    QCOMPARE(TButtonEditor::Executed, QList<int>{0});

    TComponentEditorRef plain = GetComponentEditor(new TEdit(m_fx->Form), m_fx->Designer);
    QCOMPARE(plain->GetVerbCount(), 0);
    QCOMPARE(plain->GetVerb(0), QString());
}

void TestPropertyEditors::defaultEditorRanking_data()
{
    QTest::addColumn<bool>("withCreate");
    QTest::addColumn<QString>("created");

    QTest::newRow("OnCreate beats the others") << true << "Probe1Create";
    QTest::newRow("OnChange beats OnClick") << false << "Events1Change";
    QTest::newRow("no ranked event: the first met") << false << "Focus1Enter";
}

void TestPropertyEditors::defaultEditorRanking()
{
    QFETCH(bool, withCreate);
    QFETCH(QString, created);
    auto *designer = new EventDesigner;
    designer->Form = m_fx->Form;
    TComponent *target = nullptr;
    if (created.startsWith("Focus")) {
        target = new TProbeFocus(m_fx->Form);
        target->SetName("Focus1");
    } else if (withCreate) {
        target = new TProbe(m_fx->Form);
        target->SetName("Probe1");
    } else {
        target = new TProbeEvents(m_fx->Form);
        target->SetName("Events1");
    }
    TComponentEditorRef editor = GetComponentEditor(target, designer);
    editor->Edit();
    QCOMPARE(designer->Created, QStringList{created});
    QCOMPARE(designer->Shown, QStringList{created});
    auto *def = static_cast<TDefaultEditor *>(editor.Get());
    QVERIFY(!def->First && !def->Best);
    editor.Reset();
    delete designer;
}

void TestPropertyEditors::defaultEditorWithoutEvents()
{
    auto *designer = new EventDesigner;
    designer->Form = m_fx->Form;
    TComponentEditorRef editor = GetComponentEditor(new TComponent(m_fx->Form), designer);
    editor->Edit();
    QVERIFY(designer->Created.isEmpty());

    // An unnamed component cannot give the handler a default name; the error passes on
    // after the editor let go of its property editors.
    auto *events = new TProbeEvents(m_fx->Form);
    TComponentEditorRef unnamed = GetComponentEditor(events, designer);
    QVERIFY_THROWS_EXCEPTION(EPropertyError, unnamed->Edit());
    auto *def = static_cast<TDefaultEditor *>(unnamed.Get());
    QVERIFY(!def->First && !def->Best);
    unnamed.Reset();
    delete designer;
}

QTEST_MAIN(TestPropertyEditors)
#include "tst_propertyeditors.moc"
