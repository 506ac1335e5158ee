// Hostile input through every standard editor. For each published property of one instance of
// each placeable class (and of the design form itself), and of the sub-objects and set elements
// they hold, SetValue is fed texts a user may type or paste by mistake. Each call either stores
// a value that GetValue then shows (and that shown text, typed again, keeps it), or refuses
// with one of the framework's errors, leaving the value as it was and the designer unnotified.
// The component sits on a design form in design state with the stretch handle on it, so every
// accepted value is painted and its bounds followed, as in the real designer.

#include "InspectionFixture.h"
#include "../shell/PaletteRows.h"
#include "PrivateSettingsStore.h"

#include "Grids.h"
#include "Handles.h"
#include "ZeIDE.h"
#include "ZePalette.h"

#include <typeinfo>

namespace {

const QString kLong(10000, QLatin1Char('x'));
const QString kNonAscii = QString::fromUtf8("\xc3\xa9t\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80");

// Texts that stand for no number, in every sweep.
QStringList JunkTexts()
{
    return {"", "   ", "$", "#", "-", "(None)", kNonAscii, kLong};
}

QStringList NumberTexts()
{
    return {"0", "-1", "2000000000", "-2000000000", "2147483647", "-2147483648",
            "99999999999999999999", "-99999999999999999999", "$FFFFFFFF", "$7FFFFFFF",
            "$FFFFFFFFFF", "#99999"};
}

QStringList FloatTexts()
{
    return {"1e308", "-1e308", "1e309", "nan", "inf", "-inf", "0.5", "13/45/2024", "25:99",
            "12/31/9999", "1/1/1", "23:59:59"};
}

QStringList CharTexts()
{
    return {"A", QString::fromUtf8("\xc3\xa9"), "AB", "#-1", "#0", "#65", "#65535",
            "#2000000000", "#99999999999999999999"};
}

// Each listed value with every letter in the other case: clRed becomes CLrED.
QStringList OtherCase(const QStringList &values)
{
    QStringList out;
    for (const QString &v : values) {
        QString s = v;
        for (QChar &c : s)
            c = c.isUpper() ? c.toLower() : c.toUpper();
        if (s != v)
            out << s;
    }
    return out;
}

// The texts for one editor, by what its values are.
QStringList TextsFor(TPropertyEditor *editor)
{
    QStringList texts = JunkTexts();
    const TTypeKind kind = editor->GetPropertyType()->Kind;
    const TPropertyAttributes attrs = editor->GetAttributes();
    if (ObjectCast<TSetElementProperty>(editor) || kind == KindEnumeration) {
        texts << "-1" << "2000000000";
    } else if (kind == KindChar || kind == KindWideChar) {
        texts << CharTexts() << NumberTexts();
    } else if (kind == KindInteger) {
        texts << NumberTexts();
    } else if (kind == KindFloat) {
        texts << NumberTexts() << FloatTexts();
    } else if (kind == KindShortString || kind == KindLongString || kind == KindWideString) {
        texts << NumberTexts() << FloatTexts() << CharTexts();
    }
    if (attrs & attrValueList)
        texts << OtherCase(editor->ValueList());
    return texts;
}

// The value of a property below its text, to see that a refusal wrote nothing.
QString RawValue(TPropertyEditor *editor)
{
    TObject *obj = editor->GetInstance();
    const TPropInfo *prop = editor->GetPropInfo();
    switch (prop->PropType->Kind) {
    case KindFloat: return QString::number(GetFloatProp(obj, prop), 'g', 17);
    case KindShortString:
    case KindLongString:
    case KindWideString: return GetStrProp(obj, prop);
    case KindClass:
    case KindMethod: return QString();
    default: return QString::number(GetOrdProp(obj, prop));
    }
}

QString Shorten(const QString &text)
{
    return text.size() > 24 ? text.left(20) + QStringLiteral("...(%1)").arg(text.size()) : text;
}

} // namespace

class TestHostileValues : public QObject
{
    Q_OBJECT
    PrivateSettingsStore m_store; // the designer windows' places go there
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        InstallPaletteHooks();
        m_app = std::make_unique<TApplication>(nullptr);
        new TZeIDEForm(m_app.get()); // registers the placeable classes
        RegisterStandardEditors();
    }
    void cleanupTestCase()
    {
        FreePropertyEditorRegistry();
        m_app.reset();
        ReleasePaletteRegistry();
    }
    void everyPropertyWithstandsHostileText_data();
    void everyPropertyWithstandsHostileText();

private:
    void Sweep(const TPropertyEditorRef &editor, const QString &path, int depth);
    void Feed(TPropertyEditor *editor, const QString &path, const QString &text);

    std::unique_ptr<TApplication> m_app;
    CountingDesigner *m_designer = nullptr;
    QStringList m_faults;
    int m_calls = 0;
};

void TestHostileValues::everyPropertyWithstandsHostileText_data()
{
    AddDesignFormAndPaletteRows();
}

void TestHostileValues::Feed(TPropertyEditor *editor, const QString &path, const QString &text)
{
    const QString shownBefore = editor->GetValue();
    const QString rawBefore = RawValue(editor);
    const int noticesBefore = m_designer->Notices;
    const QString what = path + QStringLiteral(" <- \"") + Shorten(text) + QLatin1Char('"');
    ++m_calls;

    try {
        editor->SetValue(text);
    } catch (const Exception &e) {
        const auto &type = typeid(e);
        // Refusals the editors and setters give: a bad value, a number that does not parse,
        // a component name that is not an identifier or is taken, a range a control refuses,
        // a grid's fixed columns (rows) not fewer than its columns (rows).
        if (type != typeid(EPropertyError) && type != typeid(EConvertError)
            && type != typeid(EComponentError) && type != typeid(EInvalidOperation)
            && type != typeid(EInvalidGridOperation))
            m_faults << what + QStringLiteral(": unexpected error ") + type.name() + ": "
                            + e.Message();
        else if (e.Message().isEmpty())
            m_faults << what + QStringLiteral(": refused without a message");
        if (editor->GetValue() != shownBefore || RawValue(editor) != rawBefore)
            m_faults << what + QStringLiteral(": refused but changed from \"")
                            + Shorten(shownBefore) + QStringLiteral("\" to \"")
                            + Shorten(editor->GetValue()) + QLatin1Char('"');
        if (m_designer->Notices != noticesBefore)
            m_faults << what + QStringLiteral(": refused but reported a change");
        return;
    }
    // Accepted: what the editor shows now is the stored value, so typing it again keeps it.
    const QString shown = editor->GetValue();
    try {
        editor->SetValue(shown);
    } catch (const Exception &e) {
        m_faults << what + QStringLiteral(": shows \"") + Shorten(shown)
                        + QStringLiteral("\", which is refused: ") + e.Message();
        return;
    }
    if (editor->GetValue() != shown)
        m_faults << what + QStringLiteral(": shows \"") + Shorten(shown)
                        + QStringLiteral("\", which typed again gives \"")
                        + Shorten(editor->GetValue()) + QLatin1Char('"');
}

void TestHostileValues::Sweep(const TPropertyEditorRef &editor, const QString &path, int depth)
{
    const TPropertyAttributes attrs = editor->GetAttributes();
    if (!(attrs & attrReadOnly)) {
        const QString original = editor->GetValue();
        for (const QString &text : TextsFor(editor.Get()))
            Feed(editor.Get(), path, text);
        // Back to the value the component came with, so each property meets the others'
        // defaults.
        try {
            if (editor->GetValue() != original)
                editor->SetValue(original);
        } catch (const Exception &e) {
            m_faults << path + QStringLiteral(": the original \"") + Shorten(original)
                            + QStringLiteral("\" is refused: ") + e.Message();
        }
    }
    if (depth < 2 && (attrs & attrSubProperties)) {
        EditorBag subs;
        editor->GetProperties(subs.Proc());
        for (const TPropertyEditorRef &sub : subs.Editors)
            Sweep(sub, path + QLatin1Char('.') + sub->GetName(), depth + 1);
    }
}

void TestHostileValues::everyPropertyWithstandsHostileText()
{
    QFETCH(quintptr, cls);
    auto *form = new TfZeDesignForm(nullptr);
    form->SetName(QStringLiteral("ZeDesignForm"));
    CountingDesigner designer;
    designer.Form = form;
    m_designer = &designer;
    struct Entries {
        void Find(TClass c, TComponentcreator *&entry) { entry = FindPaletteEntry(c); }
    } entries;
    form->OnQueryPaletteEntry = TQueryPaletteEntryEvent::Of<&Entries::Find>(&entries);
    form->Show();
    form->SetDesignState(true);
    form->SetDesigner(&designer);

    TComponent *target = form;
    if (cls) {
        TControl *placed =
            form->PlaceComponent(reinterpret_cast<TClass>(cls), 30, 40, form, 30, 40);
        target = placed;
        if (auto *proxy = ObjectCast<TZeSubComponent>(placed))
            target = proxy->Component();
        form->StretchHandle->Attach(placed);
    }
    TComponentList list;
    list.Add(target);
    EditorBag bag;
    // Events go to the designer's handler operations, not into stored values.
    EnumComponentProperties(&list, TTypeKinds(PropertyKinds & ~KindBit(KindMethod)), &designer,
                            bag.Proc());
    QVERIFY(bag.Editors.size() > 3);
    m_faults.clear();
    m_calls = 0;
    for (const TPropertyEditorRef &editor : bag.Editors)
        Sweep(editor, editor->GetName(), 0);
    QApplication::processEvents();
    m_designer = nullptr;
    Free(form);
    QVERIFY(m_calls > 0);
    QVERIFY2(m_faults.isEmpty(), qPrintable(m_faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestHostileValues)
#include "tst_hostilevalues.moc"
