// The standard property editors: value texts, accepted input and refusals, value lists,
// attributes, sub-properties, and the dialog editors answered through the dialog seam.

#include "InspectionFixture.h"

#include "Dialogs.h"
#include "ExtCtrls.h"
#include "Menus.h"
#include "Registry.h"
#include "ShortCuts.h"
#include "StdCtrls.h"

#include <QTemporaryDir>

class TestStandardEditors : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        FreePropertyEditorRegistry();
        RegisterStandardEditors();
    }
    void cleanupTestCase() { FreePropertyEditorRegistry(); }
    void init()
    {
        m_fx = std::make_unique<InspectionFixture>();
        m_button = new TButton(m_fx->Form);
        m_button->SetName("Button1");
        m_edit = new TEdit(m_fx->Form);
        m_edit->SetName("Edit1");
        m_probe = new TProbe(m_fx->Form);
        m_probe->SetName("Probe1");
        m_item = new TMenuItem(m_fx->Form);
    }
    void cleanup() { m_fx.reset(); }

    void ordinalTexts_data();
    void ordinalTexts();
    void setValue_data();
    void setValue();
    void valueLists_data();
    void valueLists();
    void shortCutListOrder();
    void attributesAndLimits_data();
    void attributesAndLimits();
    void floatPrecisionFollowsType();
    void componentReference();
    void setElements();
    void fontSubProperties();
    void classWithoutObject();
    void methodDefaultName();
    void methodSetValue_data();
    void methodSetValue();
    void methodEdit_data();
    void methodEdit();
    void colorDialog();
    void fontDialog();
    void fileNameDialog();

private:
    TObject *Target(const QString &which) const
    {
        if (which == "button")
            return m_button;
        if (which == "edit")
            return m_edit;
        if (which == "item")
            return m_item;
        if (which == "form")
            return m_fx->Form;
        if (which == "font")
            return m_button->Font();
        return m_probe;
    }

    std::unique_ptr<InspectionFixture> m_fx;
    TButton *m_button = nullptr;
    TEdit *m_edit = nullptr;
    TProbe *m_probe = nullptr;
    TMenuItem *m_item = nullptr;
};

void TestStandardEditors::ordinalTexts_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("property");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("char 32 by code") << "probe" << "Letter" << qint64(32) << "#32";
    QTest::newRow("char 127 itself") << "probe" << "Letter" << qint64(127) << QString(QChar(127));
    QTest::newRow("char 128 by code") << "probe" << "Letter" << qint64(128) << "#128";
    QTest::newRow("char 0 by code") << "edit" << "PasswordChar" << qint64(0) << "#0";
    QTest::newRow("enum name") << "probe" << "Kind" << qint64(1) << "pkBeta";
    QTest::newRow("enum out of range shows maximum") << "probe" << "Kind" << qint64(7)
                                                     << "pkGamma";
    QTest::newRow("bool false") << "button" << "Default" << qint64(0) << "False";
    QTest::newRow("bool true") << "button" << "Default" << qint64(1) << "True";
    QTest::newRow("empty set") << "probe" << "Kinds" << qint64(0) << "[]";
    QTest::newRow("set elements 0 and 2") << "probe" << "Kinds" << qint64(0b101)
                                          << "[pkAlpha,pkGamma]";
    QTest::newRow("modal result named") << "button" << "ModalResult" << qint64(1) << "mrOk";
    QTest::newRow("modal result 11") << "button" << "ModalResult" << qint64(11) << "11";
    QTest::newRow("modal result -1") << "button" << "ModalResult" << qint64(-1) << "-1";
    QTest::newRow("shortcut none") << "item" << "ShortCut" << qint64(0) << "(None)";
    QTest::newRow("shortcut Ctrl+Q") << "item" << "ShortCut" << qint64(0x4051) << "Ctrl+Q";
    QTest::newRow("shortcut modifiers") << "item" << "ShortCut" << qint64(0x6070)
                                        << "Shift+Ctrl+F1";
    QTest::newRow("colour identifier") << "form" << "Color" << qint64(0xFF) << "clRed";
    QTest::newRow("colour hexadecimal") << "form" << "Color" << qint64(0x123456)
                                        << "$00123456";
    QTest::newRow("system colour") << "form" << "Color" << qint64(qint32(0x80000005))
                                   << "clWindow";
    QTest::newRow("unnamed system colour") << "form" << "Color" << qint64(qint32(0x80000040))
                                           << "$80000040";
    QTest::newRow("colour none") << "form" << "Color" << qint64(0x1FFFFFFF) << "clNone";
    QTest::newRow("cursor identifier") << "button" << "Cursor" << qint64(-21) << "crHandPoint";
    QTest::newRow("cursor without identifier") << "button" << "Cursor" << qint64(5) << "5";
    QTest::newRow("charset identifier") << "font" << "Charset" << qint64(204)
                                        << "RUSSIAN_CHARSET";
    QTest::newRow("charset without identifier") << "font" << "Charset" << qint64(3) << "3";
}

void TestStandardEditors::ordinalTexts()
{
    QFETCH(QString, target);
    QFETCH(QString, property);
    QFETCH(qint64, value);
    QFETCH(QString, text);
    TObject *obj = Target(target);
    SetOrdProp(obj, GetPropInfo(obj, property), value);
    TPropertyEditorRef editor = m_fx->Editor(obj, property);
    QVERIFY(editor);
    QCOMPARE(editor->GetValue(), text);
}

void TestStandardEditors::setValue_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("error");

    const QString invalid = "Invalid property value";
    QTest::newRow("char by code") << "probe" << "Letter" << "#65" << "A" << "";
    QTest::newRow("char itself") << "probe" << "Letter" << "z" << "z" << "";
    QTest::newRow("char empty is 0") << "probe" << "Letter" << "" << "#0" << "";
    QTest::newRow("char two letters") << "probe" << "Letter" << "AB" << "" << invalid;
    QTest::newRow("char code out of range") << "probe" << "Letter" << "#300" << ""
                                            << "Value must be between 0 and 255";
    QTest::newRow("char code not a number") << "probe" << "Letter" << "#x" << ""
                                            << "'x' is not a valid integer value";
    QTest::newRow("enum other case") << "probe" << "Kind" << "PKGAMMA" << "pkGamma" << "";
    QTest::newRow("enum unknown") << "probe" << "Kind" << "pkDelta" << "" << invalid;
    QTest::newRow("bool true any case") << "button" << "Default" << "true" << "True" << "";
    QTest::newRow("bool false any case") << "button" << "Default" << "FALSE" << "False" << "";
    QTest::newRow("bool number") << "button" << "Default" << "2" << "True" << "";
    QTest::newRow("bool not a number") << "button" << "Default" << "maybe" << ""
                                       << "'maybe' is not a valid integer value";
    QTest::newRow("integer") << "button" << "Left" << "12" << "12" << "";
    QTest::newRow("integer hexadecimal") << "button" << "Left" << "$10" << "16" << "";
    QTest::newRow("integer empty") << "button" << "Left" << "" << ""
                                   << "'' is not a valid integer value";
    QTest::newRow("modal result name any case") << "button" << "ModalResult" << "MROK" << "mrOk"
                                                << "";
    QTest::newRow("modal result empty") << "button" << "ModalResult" << "" << "mrNone" << "";
    QTest::newRow("modal result number") << "button" << "ModalResult" << "11" << "11" << "";
    QTest::newRow("modal result junk") << "button" << "ModalResult" << "mrMaybe" << ""
                                       << "'mrMaybe' is not a valid integer value";
    QTest::newRow("shortcut text") << "item" << "ShortCut" << "ctrl+q" << "Ctrl+Q" << "";
    QTest::newRow("shortcut none other case") << "item" << "ShortCut" << "(NONE)" << "(None)"
                                              << "";
    QTest::newRow("shortcut empty") << "item" << "ShortCut" << "" << "(None)" << "";
    QTest::newRow("shortcut unknown") << "item" << "ShortCut" << "Ctrl+Nothing" << "" << invalid;
    QTest::newRow("colour hexadecimal input") << "form" << "Color" << "$FF" << "clRed" << "";
    QTest::newRow("colour identifier any case") << "form" << "Color" << "CLWINDOW" << "clWindow"
                                                << "";
    QTest::newRow("colour decimal") << "form" << "Color" << "1193046" << "$00123456" << "";
    QTest::newRow("colour junk") << "form" << "Color" << "red" << ""
                                 << "'red' is not a valid integer value";
    QTest::newRow("cursor identifier any case") << "button" << "Cursor" << "CRHANDPOINT"
                                                << "crHandPoint" << "";
    QTest::newRow("cursor out of range") << "button" << "Cursor" << "40000" << ""
                                         << "Value must be between -32768 and 32767";
    QTest::newRow("charset identifier") << "font" << "Charset" << "russian_charset"
                                        << "RUSSIAN_CHARSET" << "";
    QTest::newRow("charset out of range") << "font" << "Charset" << "256" << ""
                                          << "Value must be between 0 and 255";
    QTest::newRow("tab order out of range") << "button" << "TabOrder" << "-2" << ""
                                            << "Value must be between -1 and 32767";
    QTest::newRow("float") << "probe" << "Exact" << "1.5" << "1.5" << "";
    QTest::newRow("float junk") << "probe" << "Exact" << "1,5x" << ""
                                << "'1,5x' is not a valid floating point value";
    QTest::newRow("caption kept as typed") << "button" << "Caption" << " a&b " << " a&b " << "";
    QTest::newRow("date") << "probe" << "Day" << "3/14/2024" << "3/14/2024" << "";
    QTest::newRow("date empty") << "probe" << "Day" << "" << "" << "";
    QTest::newRow("date invalid") << "probe" << "Day" << "13/45/2024" << ""
                                  << "'13/45/2024' is not a valid date";
    QTest::newRow("time") << "probe" << "Hour" << "14:05" << "2:05:00 PM" << "";
    QTest::newRow("date and time") << "probe" << "Stamp" << "3/14/2024 14:05"
                                   << "3/14/2024 2:05:00 PM" << "";
    QTest::newRow("date and time, date only") << "probe" << "Stamp" << "3/14/2024"
                                              << "3/14/2024" << "";
    QTest::newRow("time invalid") << "probe" << "Hour" << "25:99" << ""
                                  << "'25:99' is not a valid time";
    QTest::newRow("date and time invalid") << "probe" << "Stamp" << "x" << ""
                                           << "'x' is not a valid date and time";
    QTest::newRow("reference empty") << "probe" << "Link" << "" << "" << "";
    QTest::newRow("reference of wrong class") << "probe" << "Link" << "Edit1" << "" << invalid;
    QTest::newRow("reference to nobody") << "probe" << "Link" << "Nobody" << "" << invalid;
    QTest::newRow("reference other case") << "probe" << "Link" << "BUTTON1" << "Button1" << "";
}

void TestStandardEditors::setValue()
{
    QFETCH(QString, target);
    QFETCH(QString, property);
    QFETCH(QString, input);
    QFETCH(QString, shown);
    QFETCH(QString, error);
    TObject *obj = Target(target);
    TPropertyEditorRef editor = m_fx->Editor(obj, property);
    QVERIFY(editor);
    const QString before = editor->GetValue();
    try {
        editor->SetValue(input);
        QVERIFY2(error.isEmpty(), "the value was taken");
        QCOMPARE(editor->GetValue(), shown);
        QCOMPARE(m_fx->Designer->Notices, 1);
    } catch (const Exception &e) {
        QCOMPARE(e.Message(), error);
        QCOMPARE(editor->GetValue(), before);
        QCOMPARE(m_fx->Designer->Notices, 0);
    }
}

void TestStandardEditors::valueLists_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");

    QTest::newRow("bool") << "button" << "Default" << 2 << "False" << "True";
    QTest::newRow("enum") << "probe" << "Kind" << 3 << "pkAlpha" << "pkGamma";
    QTest::newRow("modal results") << "button" << "ModalResult" << 11 << "mrNone"
                                   << "mrYesToAll";
    QTest::newRow("colours in table order") << "form" << "Color" << 42 << "clBlack" << "clNone";
    QTest::newRow("cursors in table order") << "button" << "Cursor" << 20 << "crDefault"
                                            << "crHandPoint";
    QTest::newRow("charsets") << "font" << "Charset" << 18 << "ANSI_CHARSET" << "OEM_CHARSET";
    QTest::newRow("integer has none") << "button" << "Left" << 0 << "" << "";
}

void TestStandardEditors::valueLists()
{
    QFETCH(QString, target);
    QFETCH(QString, property);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    TPropertyEditorRef editor = m_fx->Editor(Target(target), property);
    QVERIFY(editor);
    const QStringList values = editor->ValueList();
    QCOMPARE(values.size(), count);
    if (count) {
        QCOMPARE(values.first(), first);
        QCOMPARE(values.last(), last);
    }
}

void TestStandardEditors::shortCutListOrder()
{
    TPropertyEditorRef editor = m_fx->Editor(m_item, "ShortCut");
    const QStringList values = editor->ValueList();
    QCOMPARE(values.size(), 83);
    QCOMPARE(values.mid(0, 3), QStringList({"(None)", "Ctrl+A", "Ctrl+B"}));
    QCOMPARE(values.mid(26, 3), QStringList({"Ctrl+Z", "F1", "F2"}));
    QCOMPARE(values.mid(38, 2), QStringList({"F12", "Ctrl+F1"}));
    QCOMPARE(values.mid(50, 2), QStringList({"Ctrl+F12", "Shift+F1"}));
    QCOMPARE(values.mid(62, 2), QStringList({"Shift+F12", "Shift+Ctrl+F1"}));
    QCOMPARE(values.mid(74), QStringList({"Shift+Ctrl+F12", "Ins", "Shift+Ins", "Ctrl+Ins",
                                          "Del", "Shift+Del", "Ctrl+Del", "Alt+BkSp",
                                          "Shift+Alt+BkSp"}));
    // Every listed text is accepted back and shown the same.
    for (const QString &text : values) {
        editor->SetValue(text);
        QCOMPARE(editor->GetValue(), text);
    }
}

void TestStandardEditors::attributesAndLimits_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<int>("attributes");
    QTest::addColumn<int>("limit");

    const int base = attrMultiSelect | attrRevertable;
    const int list = attrValueList | attrMultiSelect | attrSortList | attrRevertable;
    QTest::newRow("bool") << "button" << "Default" << "TBoolProperty" << list << 63;
    QTest::newRow("short string") << "probe" << "Code" << "TStringProperty" << base << 8;
    QTest::newRow("component name") << "button" << "Name" << "TComponentNameProperty" << 0
                                    << 63;
    QTest::newRow("font name") << "font" << "Name" << "TFontNameProperty" << list << 255;
    QTest::newRow("caption") << "button" << "Caption" << "TCaptionProperty"
                             << (attrMultiSelect | attrAutoUpdate | attrRevertable) << 255;
    QTest::newRow("set") << "probe" << "Kinds" << "TSetProperty"
                         << (attrSubProperties | attrMultiSelect | attrReadOnly
                             | attrRevertable)
                         << 63;
    QTest::newRow("class") << "button" << "Constraints" << "TClassProperty"
                           << (attrSubProperties | attrMultiSelect | attrReadOnly) << 255;
    QTest::newRow("font") << "button" << "Font" << "TFontProperty"
                          << (attrSubProperties | attrDialog | attrMultiSelect
                              | attrReadOnly)
                          << 255;
    QTest::newRow("reference") << "probe" << "Link" << "TComponentProperty" << list << 127;
    QTest::newRow("method") << "button" << "OnClick" << "TMethodProperty" << list << 63;
    QTest::newRow("charset") << "font" << "Charset" << "TFontCharsetProperty"
                             << (attrValueList | attrMultiSelect | attrSortList) << 63;
    QTest::newRow("colour") << "form" << "Color" << "TColorProperty"
                            << (attrValueList | attrDialog | attrMultiSelect | attrRevertable)
                            << 63;
    QTest::newRow("modal result") << "button" << "ModalResult" << "TModalResultProperty"
                                  << (attrValueList | attrMultiSelect | attrRevertable) << 63;
    QTest::newRow("shortcut") << "item" << "ShortCut" << "TShortCutProperty"
                              << (attrValueList | attrMultiSelect | attrRevertable) << 63;
    QTest::newRow("tab order") << "button" << "TabOrder" << "TTabOrderProperty" << 0 << 63;
}

void TestStandardEditors::attributesAndLimits()
{
    QFETCH(QString, target);
    QFETCH(QString, property);
    QFETCH(QString, editor);
    QFETCH(int, attributes);
    QFETCH(int, limit);
    TPropertyEditorRef ed = m_fx->Editor(Target(target), property);
    QVERIFY(ed);
    QCOMPARE(ed->ClassName(), editor);
    QCOMPARE(int(ed->GetAttributes()), attributes);
    QCOMPARE(ed->GetEditLimit(), limit);
}

void TestStandardEditors::floatPrecisionFollowsType()
{
    m_probe->SetRatio(1.0 / 3);
    m_probe->SetExact(1.0 / 3);
    QCOMPARE(m_fx->Editor(m_probe, "Ratio")->GetValue(), QString("0.3333333"));
    QCOMPARE(m_fx->Editor(m_probe, "Exact")->GetValue(), QString("0.333333333333333"));
}

void TestStandardEditors::componentReference()
{
    auto *second = new TButton(m_fx->Form);
    second->SetName("Button2");
    TPropertyEditorRef link = m_fx->Editor(m_probe, "Link");
    QCOMPARE(link->ValueList(), QStringList({"Button1", "Button2"}));
    link->SetValue("Button2");
    QCOMPARE(m_probe->Link(), static_cast<TComponent *>(second));
    QCOMPARE(link->GetValue(), QString("Button2"));
    link->SetValue("");
    QCOMPARE(m_probe->Link(), nullptr);
}

void TestStandardEditors::setElements()
{
    auto *other = new TProbe(m_fx->Form);
    m_probe->SetKinds(0b001);
    other->SetKinds(0b110);
    TPropertyEditorRef set = m_fx->Editor({m_probe, other}, "Kinds");
    QVERIFY(set);
    EditorBag elements;
    set->GetProperties(elements.Proc());
    QCOMPARE(elements.Names(), QStringList({"pkAlpha", "pkBeta", "pkGamma"}));
    QCOMPARE(elements.Editors[0]->GetValue(), QString("True"));
    QCOMPARE(elements.Editors[0]->ValueList(), QStringList({"False", "True"}));
    QCOMPARE(int(elements.Editors[0]->GetAttributes()),
             int(attrValueList | attrMultiSelect | attrSortList));

    // The new set comes from the first target and is written whole to every target.
    elements.Editors[2]->SetValue("TRUE");
    QCOMPARE(m_probe->Kinds(), qint64(0b101));
    QCOMPARE(other->Kinds(), qint64(0b101));
    QCOMPARE(set->GetValue(), QString("[pkAlpha,pkGamma]"));
    elements.Editors[0]->SetValue("yes");
    QCOMPARE(m_probe->Kinds(), qint64(0b100));
    elements.Editors[2]->Edit(); // cycles True -> False
    QCOMPARE(m_probe->Kinds(), qint64(0));
    QCOMPARE(m_fx->Designer->Notices, 3);
}

void TestStandardEditors::fontSubProperties()
{
    auto *second = new TButton(m_fx->Form);
    TPropertyEditorRef font = m_fx->Editor({m_button, second}, "Font");
    QVERIFY(font);
    QCOMPARE(font->GetValue(), QString("(TFont)"));
    EditorBag subs;
    font->GetProperties(subs.Proc());
    QCOMPARE(subs.Names(),
             QStringList({"Charset", "Color", "Height", "Name", "Pitch", "Size", "Style"}));
    QCOMPARE(subs.Find("Name")->ClassName(), QString("TFontNameProperty"));
    QCOMPARE(subs.Find("Style")->ClassName(), QString("TSetProperty"));
    QCOMPARE(subs.Find("Color")->ClassName(), QString("TColorProperty"));
    QCOMPARE(subs.Find("Size")->TargetCount, 2);

    subs.Find("Size")->SetValue("14");
    QCOMPARE(m_button->Font()->Size(), 14);
    QCOMPARE(second->Font()->Size(), 14);
    subs.Find("Color")->SetValue("clRed");
    QCOMPARE(second->Font()->Color(), TColor(clRed));

    EditorBag styles;
    subs.Find("Style")->GetProperties(styles.Proc());
    QCOMPARE(styles.Names(), QStringList({"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}));
    styles.Find("fsItalic")->SetValue("True");
    QCOMPARE(subs.Find("Style")->GetValue(), QString("[fsItalic]"));
    QCOMPARE(second->Font()->Style(), m_button->Font()->Style());
}

void TestStandardEditors::classWithoutObject()
{
    TPropertyEditorRef none = m_fx->Editor(m_probe, "NoFont");
    QVERIFY(none);
    QCOMPARE(none->GetValue(), QString("(TFont)"));
    EditorBag subs;
    none->GetProperties(subs.Proc());
    QVERIFY(subs.Editors.isEmpty());
}

void TestStandardEditors::methodDefaultName()
{
    TPropertyEditorRef formCreate = m_fx->Editor(m_fx->Form, "OnCreate");
    QVERIFY(formCreate);
    QCOMPARE(static_cast<TMethodProperty *>(formCreate.Get())->GetDefaultMethodName(),
             QString("FormCreate"));
    QCOMPARE(formCreate->GetValue(), QString()); // the designer keeps no handlers
    QCOMPARE(formCreate->ValueList(), QStringList());
    // This designer names no object but the form.
    TPropertyEditorRef click = m_fx->Editor(m_button, "OnClick");
    QVERIFY_THROWS_EXCEPTION(EPropertyError, click->Edit());
    try {
        static_cast<TMethodProperty *>(click.Get())->GetDefaultMethodName();
        QFAIL("no error");
    } catch (const EPropertyError &e) {
        QCOMPARE(e.Message(),
                 QString("Cannot create a default method name for an unnamed component"));
    }
}

void TestStandardEditors::methodSetValue_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QStringList>("created");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("renamed");

    const QStringList none;
    QTest::newRow("new handler on an empty event")
        << "" << "Button1Click" << none << "Button1Click" << QStringList{"Button1Click"}
        << QStringList{"Button1Click"} << none;
    QTest::newRow("existing handler chosen") << "" << "Shared" << QStringList{"Shared"}
                                             << "Shared" << QStringList{"Shared"} << none
                                             << none;
    QTest::newRow("unused name renames") << "Old" << "New" << QStringList{"Old"} << "Old"
                                         << none << none << QStringList{"Old>New"};
    QTest::newRow("same name in other case renames")
        << "Old" << "OLD" << QStringList{"Old"} << "Old" << none << none
        << QStringList{"Old>OLD"};
    QTest::newRow("other existing handler") << "Old" << "Shared"
                                            << QStringList{"Old", "Shared"} << "Shared"
                                            << QStringList{"Shared"} << none << none;
    QTest::newRow("empty text clears") << "Old" << "" << QStringList{"Old"} << ""
                                       << QStringList{""} << none << none;
}

void TestStandardEditors::methodSetValue()
{
    QFETCH(QString, current);
    QFETCH(QString, input);
    QFETCH(QStringList, existing);
    QFETCH(QString, after);
    QFETCH(QStringList, created);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, renamed);
    EventDesigner designer;
    designer.Form = m_fx->Form;
    designer.Existing = existing;
    if (!current.isEmpty())
        m_button->OnClick = TNotifyEvent(designer.CreateEventHandler(current, nullptr));
    designer.Created.clear();
    TPropertyEditorRef editor = m_fx->Editor(m_button, "OnClick", &designer);
    QVERIFY(editor);
    QCOMPARE(editor->GetValue(), current);
    editor->SetValue(input);
    QCOMPARE(editor->GetValue(), after);
    QCOMPARE(designer.Created, created);
    QCOMPARE(designer.Shown, shown);
    QCOMPARE(designer.Renamed, renamed);
    QCOMPARE(designer.Notices, created.isEmpty() ? 0 : 1);
}

void TestStandardEditors::methodEdit_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("inherited");
    QTest::addColumn<QStringList>("created");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("own handler is only shown") << "Old" << false << QStringList{}
                                               << QStringList{"Old"};
    QTest::newRow("inherited handler is made again") << "Old" << true << QStringList{"Old"}
                                                     << QStringList{"Old"};
    QTest::newRow("no handler: the default name") << "" << false
                                                  << QStringList{"Button1Click"}
                                                  << QStringList{"Button1Click"};
}

void TestStandardEditors::methodEdit()
{
    QFETCH(QString, current);
    QFETCH(bool, inherited);
    QFETCH(QStringList, created);
    QFETCH(QStringList, shown);
    EventDesigner designer;
    designer.Form = m_fx->Form;
    designer.Inherited = inherited;
    if (!current.isEmpty())
        m_button->OnClick = TNotifyEvent(designer.CreateEventHandler(current, nullptr));
    designer.Created.clear();
    TPropertyEditorRef editor = m_fx->Editor(m_button, "OnClick", &designer);
    editor->Edit();
    QCOMPARE(designer.Created, created);
    QCOMPARE(designer.Shown, shown);
    QCOMPARE(editor->GetValue(), created.isEmpty() ? current : created.last());
}

void TestStandardEditors::colorDialog()
{
    QTemporaryDir dir;
    SetSettingsRootForTesting(dir.path());
    {
        TSettingsStore store;
        QVERIFY(store.Open(UserSettingsFile(), true));
        store.WriteString("Custom Colors", "ColorA", "FFFFFF");
        store.Close();
    }
    m_fx->Form->SetColor(clBlue);
    TPropertyEditorRef color = m_fx->Editor(m_fx->Form, "Color");
    bool confirm = true;
    QStringList offered;
    TDialogSeamScope seam([&](TObject *obj) {
        auto *dialog = ObjectCast<TColorDialog>(obj);
        if (!dialog)
            return false;
        offered << dialog->CustomColors()->Text().trimmed();
        offered << QString::number(dialog->Color()) << QString::number(dialog->HelpContext())
                << QString::number(dialog->Options());
        dialog->CustomColors()->Clear();
        dialog->CustomColors()->Add(confirm ? "ColorB=00FF00" : "ColorC=0000FF");
        dialog->CustomColors()->Add("no equals sign");
        dialog->SetColor(clLime);
        return confirm;
    });
    color->Edit();
    QCOMPARE(offered, QStringList({"ColorA=FFFFFF", QString::number(clBlue), "25010",
                                   QString::number(1u << cdShowHelp)}));
    QCOMPARE(m_fx->Form->Color(), TColor(clLime));
    QCOMPARE(m_fx->Designer->Notices, 1);

    confirm = false;
    color->Edit();
    QCOMPARE(m_fx->Form->Color(), TColor(clLime));
    QCOMPARE(m_fx->Designer->Notices, 1);
    TSettingsStore store;
    QVERIFY(store.Open(UserSettingsFile(), false));
    // Kept after a confirmed and after a cancelled dialog.
    QCOMPARE(store.ReadSection("Custom Colors"),
             QStringList({"ColorA=FFFFFF", "ColorB=00FF00", "ColorC=0000FF"}));
    store.Close();
    SetSettingsRootForTesting(QString());
}

void TestStandardEditors::fontDialog()
{
    m_button->Font()->SetName("Courier New");
    m_button->Font()->SetSize(10);
    auto *second = new TButton(m_fx->Form);
    TPropertyEditorRef font = m_fx->Editor({m_button, second}, "Font");
    QString preset;
    TFontDialogOptions options = 0;
    int help = 0;
    TDialogSeamScope seam([&](TObject *obj) {
        auto *dialog = ObjectCast<TFontDialog>(obj);
        if (!dialog)
            return false;
        preset = dialog->Font()->Name() + " " + QString::number(dialog->Font()->Size());
        options = dialog->Options();
        help = dialog->HelpContext();
        dialog->Font()->SetName("Arial");
        dialog->Font()->SetSize(20);
        return true;
    });
    font->Edit();
    QCOMPARE(preset, QString("Courier New 10"));
    QCOMPARE(help, 25000);
    QCOMPARE(options, FontDialogOption(fdEffects) | FontDialogOption(fdForceFontExist)
                          | FontDialogOption(fdShowHelp));
    // Each target copies the chosen font; none keeps the dialog's own object.
    QCOMPARE(m_button->Font()->Name(), QString("Arial"));
    QCOMPARE(second->Font()->Size(), 20);
    QVERIFY(m_button->Font() != second->Font());
    QCOMPARE(m_fx->Designer->Notices, 1);
}

void TestStandardEditors::fileNameDialog()
{
    TPropertyEditorRef editor = NewPropertyEditor(TMPFilenameProperty::StaticClass(),
                                                  m_fx->Designer, 1);
    editor->SetTarget(0, m_probe, GetPropInfo(m_probe, "Hint"));
    m_probe->SetHint("old.wav");
    QStringList seen;
    bool confirm = false;
    TDialogSeamScope seam([&](TObject *obj) {
        auto *dialog = ObjectCast<TOpenDialog>(obj);
        if (!dialog)
            return false;
        seen << dialog->FileName() << dialog->Filter() << QString::number(dialog->HelpContext())
             << QString::number(dialog->Options());
        dialog->SetFileName("/media/new.mid");
        return confirm;
    });
    editor->Edit();
    QCOMPARE(m_probe->Hint(), QString("old.wav")); // cancelled
    confirm = true;
    editor->Edit();
    QCOMPARE(m_probe->Hint(), QString("/media/new.mid"));
    QCOMPARE(seen.mid(0, 4),
             QStringList({"old.wav",
                          "All files (*.*)|*.*|Wave files (*.wav)|*.wav|Midi files (*.mid)|"
                          "*.mid|Video for Windows (*.avi)|*.avi",
                          "25020",
                          QString::number(DefaultOpenOptions | OpenOption(ofShowHelp)
                                          | OpenOption(ofPathMustExist)
                                          | OpenOption(ofFileMustExist))}));
    QCOMPARE(int(editor->GetAttributes()), int(attrDialog | attrRevertable));
}

QTEST_MAIN(TestStandardEditors)
#include "tst_standardeditors.moc"
