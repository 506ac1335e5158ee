// The object inspector driven through its real widgets: rows for the selection, expansion,
// the Events tab, the value list's size and place, the typing paths, keys, closing and the
// placement kept between sessions.

#define QTEST_QPA_MOUSE_HANDLING
#include "Application.h"
#include "Buttons.h"
#include "ComCtrls.h"
#include "ControlScrollBar.h"
#include "ExtCtrls.h"
#include "Handles.h"
#include "ImgList.h"
#include "Menus.h"
#include "PaintCounter.h"
#include "Registry.h"
#include "StdCtrls.h"
#include "ZeDesignForm.h"
#include "ZeFormDesigner.h"
#include "ZeObjectInspector.h"

#include <QAbstractScrollArea>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A component with two enumerations: one of 3 values, one of 25.
class TListProbe : public TComponent
{
    Z_CLASS(TListProbe)
public:
    explicit TListProbe(TComponent *owner) : TComponent(owner) {}
    int Few() const { return m_few; }
    void SetFew(int v) { m_few = v; }
    int Many() const { return m_many; }
    void SetMany(int v) { m_many = v; }
    int Dial() const { return m_dial; }
    void SetDial(int v) { m_dial = v; }

    static PTypeInfo EnumOf(const QString &name, int count)
    {
        QStringList names;
        for (int i = 0; i < count; ++i)
            names << QStringLiteral("%1%2").arg(name).arg(i);
        return NewEnumType(QStringLiteral("T") + name, names);
    }

private:
    int m_few = 0;
    int m_many = 0;
    int m_dial = 0;
};

// A dialog editor whose dialog makes the inspector rebuild its rows while it runs, as a
// modeless editor that selects something does: the row that started it is freed meanwhile.
class TRebuildingDialogProperty : public TIntegerProperty
{
    Z_CLASS(TRebuildingDialogProperty)
public:
    static inline TfObjectInspector *Inspector = nullptr;
    static inline int Opened = 0;
    TPropertyAttributes GetAttributes() override { return attrDialog; }
    void Edit() override
    {
        ++Opened;
        Inspector->Inspect(GetInstance());
        SetOrdinal(GetOrdinal() + 42);
    }
};

TPropTable ListProbeProps()
{
    static const PTypeInfo few = TListProbe::EnumOf(QStringLiteral("Few"), 3);
    static const PTypeInfo many = TListProbe::EnumOf(QStringLiteral("Many"), 25);
    using P = TListProbe;
    return {Prop<P>("Dial", TypeInfoInteger(), &P::Dial, &P::SetDial),
            Prop<P>("Few", few, &P::Few, &P::SetFew),
            Prop<P>("Many", many, &P::Many, &P::SetMany)};
}


} // namespace

Z_DEFINE_CLASS(TListProbe, TComponent, ListProbeProps)
Z_DEFINE_CLASS(TRebuildingDialogProperty, TIntegerProperty, NoPublishedProps)

// A dialog the user cancels: it writes nothing.
class TCancelledDialogProperty : public TIntegerProperty
{
    Z_CLASS(TCancelledDialogProperty)
public:
    TPropertyAttributes GetAttributes() override { return attrDialog | attrMultiSelect; }
    void Edit() override {}
};
Z_DEFINE_CLASS(TCancelledDialogProperty, TIntegerProperty, NoPublishedProps)

// An integer editor that counts its reads, one counter per property name.
class TCountingIntegerProperty : public TIntegerProperty
{
    Z_CLASS(TCountingIntegerProperty)
public:
    static inline QHash<QString, int> Reads;
    QString GetValue() override
    {
        ++Reads[GetName()];
        return TIntegerProperty::GetValue();
    }
};
Z_DEFINE_CLASS(TCountingIntegerProperty, TIntegerProperty, NoPublishedProps)

class InspectorTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TApplication> m_app;
    std::unique_ptr<QTemporaryDir> m_settings; // no test writes the real settings store
    TfZeDesignForm *m_form = nullptr;
    TZeFormDesigner *m_designer = nullptr;
    TfObjectInspector *m_insp = nullptr;
    TButton *m_button = nullptr;
    TButton *m_button2 = nullptr;
    TEdit *m_edit = nullptr;
    QStringList m_errors;
    QList<TComponentEditor *> m_componentEditors;

    template<class T> T *Add(const char *name, int left)
    {
        auto *c = new T(m_form);
        c->SetName(QString::fromLatin1(name));
        c->SetBounds(left, 10, 75, 25);
        c->SetParent(m_form);
        return c;
    }
    void Select(const QList<TControl *> &controls)
    {
        m_form->StretchHandle->DetachAll();
        for (TControl *c : controls)
            m_form->StretchHandle->Attach(c);
        m_insp->Inspect(controls.isEmpty() ? static_cast<TObject *>(m_form) : controls.first());
    }
    QStringList RowNames() const
    {
        QStringList names;
        for (TObjectInspProperty *row : m_insp->TabRows())
            names << row->Editor->GetName();
        return names;
    }
    TObjectInspProperty *Row(const QString &name) const
    {
        for (TObjectInspProperty *row : m_insp->TabRows())
            if (row->Editor->GetName() == name)
                return row;
        return nullptr;
    }
    // Successive clicks alternate between two spots apart, so that two clicks of two tests
    // at one place never make a double click.
    void Click(TPaintBox *box, int x, int y)
    {
        static int count = 0;
        QTest::mouseClick(box->Handle(), Qt::LeftButton, {}, QPoint(x + (count++ % 2) * 8, y));
    }
    // Clicks the value of the named row, which selects it.
    TObjectInspProperty *ClickValue(const QString &name)
    {
        TObjectInspProperty *row = Row(name);
        if (row) {
            ScrollTo(row);
            Click(m_insp->pbValues, 30, row->Top + 8);
        }
        return row;
    }
    // Scrolls the rows so that a click on the row lands inside the window, as a user would.
    void ScrollTo(TObjectInspProperty *row)
    {
        TControlScrollBar *bar = m_insp->sbInspector->VertScrollBar();
        if (row->Top < bar->Position()
            || row->Top + 18 > bar->Position() + m_insp->sbInspector->ClientHeight())
            bar->SetPosition(std::max(0, row->Top - 20));
    }
    QWidget *EditWidget() const { return m_insp->ePropValue->Handle(); }
    void Key(Qt::Key key) { QTest::keyClick(EditWidget(), key); }
    void Type(const QString &text)
    {
        m_insp->ePropValue->SelectAll();
        QTest::keyClicks(EditWidget(), text);
    }
    void EditorChanged(const TComponentEditorRef &editor) { m_componentEditors << editor.Get(); }
    // The probe has no proxy on the form: it is shown alone, not the form's selection.
    void QueryShowSelection(const QString &className, bool &show)
    {
        show = className != QLatin1String("TListProbe");
    }

private slots:
    void initTestCase()
    {
        RegisterPropertyEditor(TypeInfoString(), TComponent::StaticClass(), QStringLiteral("Name"),
                               TComponentNameProperty::StaticClass());
        RegisterPropertyEditor(TypeInfoInteger(), TListProbe::StaticClass(),
                               QStringLiteral("Dial"), TRebuildingDialogProperty::StaticClass());
        RegisterPropertyEditor(TypeInfoInteger(), TButton::StaticClass(), QStringLiteral("Tag"),
                               TCancelledDialogProperty::StaticClass());
        for (const char *name : {"Height", "Width"})
            RegisterPropertyEditor(TypeInfoInteger(), TButton::StaticClass(),
                                   QString::fromLatin1(name),
                                   TCountingIntegerProperty::StaticClass());
        m_app = std::make_unique<TApplication>(nullptr);
        Application->MessageBoxSeam = [this](const TMessageBoxRequest &r) {
            m_errors << r.Text;
            return IDOK;
        };
    }
    void cleanupTestCase()
    {
        m_app.reset();
        SetSettingsRootForTesting(QString());
    }

    void init()
    {
        m_errors.clear();
        m_componentEditors.clear();
        // Each test starts from an empty store: no placement carries over.
        m_settings = std::make_unique<QTemporaryDir>();
        SetSettingsRootForTesting(m_settings->path());
        m_form = new TfZeDesignForm(nullptr);
        m_form->SetName(QStringLiteral("ZeDesignForm"));
        m_designer = new TZeFormDesigner;
        m_designer->Form = m_form;
        m_button = Add<TButton>("Button1", 10);
        m_button2 = Add<TButton>("Button2", 100);
        m_edit = Add<TEdit>("Edit1", 200);
        m_form->Show();
        m_form->SetDesignState(true);
        m_form->SetDesigner(m_designer);
        m_insp = new TfObjectInspector(nullptr);
        m_insp->Designer = m_designer;
        m_insp->OnComponentEditorChanged =
            TComponentEditorChangedEvent::Of<&InspectorTest::EditorChanged>(this);
        m_insp->OnQueryShowSelection =
            TQueryShowSelectionEvent::Of<&InspectorTest::QueryShowSelection>(this);
        m_insp->FillComponentList();
        m_insp->Show();
        m_insp->Handle()->activateWindow();
        QApplication::setActiveWindow(m_insp->Handle());
        QVERIFY(QTest::qWaitForWindowActive(m_insp->Handle()));
    }
    void cleanup()
    {
        Free(m_insp);
        Free(m_form);
        delete m_designer;
    }

    void namesColumnDefaultsToHalfTheRowsPanel()
    {
        auto *insp = new TfObjectInspector(nullptr);
        QCOMPARE(insp->pLeft->Width(), (insp->pInspector->Width() + 1) / 2);
        Free(insp);
    }

    void windowLayout()
    {
        QCOMPARE(m_insp->Caption(), QStringLiteral("Object Inspector"));
        QCOMPARE(m_insp->BorderStyle(), bsSizeToolWin);
        QVERIFY(m_insp->KeyPreview());
        QCOMPARE(m_insp->tcInspector->Tabs()->Strings(0), QStringLiteral("Propertyes"));
        QCOMPARE(m_insp->tcInspector->Tabs()->Strings(1), QStringLiteral("Events"));
        QCOMPARE(m_insp->Panel1->Height(), 25);
        QCOMPARE(m_insp->cbComponents->Top(), 2);
        QCOMPARE(m_insp->cbComponents->Width(), m_insp->Panel1->Width());
        QCOMPARE(m_insp->StatusBar1->Height(), 21);
        QCOMPARE(m_insp->ePropValue->Height(), 16);
        QCOMPARE(m_insp->sbEdit->BoundsRect().size(), QSize(16, 16));
        QCOMPARE(m_insp->sbPopup->BoundsRect().size(), QSize(16, 16));
        QVERIFY(m_insp->sbEdit->Flat() && m_insp->sbPopup->Flat());
        QCOMPARE(m_insp->lbPropValue->ItemHeight(), 13);
        QVERIFY(!m_insp->lbPropValue->Visible() && !m_insp->ePropValue->Visible());
        QCOMPARE(m_insp->Splitter1->Width(), 2);
        QCOMPARE(m_insp->pInspector->Width(), m_insp->sbInspector->Width());
    }

    void markers_data()
    {
        QTest::addColumn<int>("image");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<bool>("opaque");
        QTest::newRow("plus bar left end") << 0 << QPoint(4, 7) << true;
        QTest::newRow("plus bar right end") << 0 << QPoint(11, 8) << true;
        QTest::newRow("plus left of bar") << 0 << QPoint(3, 7) << false;
        QTest::newRow("plus upright top") << 0 << QPoint(7, 4) << true;
        QTest::newRow("plus upright bottom") << 0 << QPoint(8, 11) << true;
        QTest::newRow("plus below upright") << 0 << QPoint(8, 12) << false;
        QTest::newRow("minus bar") << 1 << QPoint(11, 8) << true;
        QTest::newRow("minus has no upright") << 1 << QPoint(7, 4) << false;
    }
    void markers()
    {
        QFETCH(int, image);
        QFETCH(QPoint, pixel);
        QFETCH(bool, opaque);
        const QImage img = m_insp->ilButtons->Image(image);
        QCOMPARE(img.size(), QSize(16, 16));
        const QColor c = img.pixelColor(pixel);
        QCOMPARE(c.alpha() == 255, opaque);
        if (opaque)
            QCOMPARE(c.rgb() & 0xFFFFFF, 0u);
    }

    void componentNameOfItem_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("name");
        QTest::newRow("name and class") << "Button1: TZeButton" << "Button1";
        QTest::newRow("blanks around") << "  Edit1  : TZeEdit" << "Edit1";
        QTest::newRow("no colon") << " Plain " << "Plain";
        QTest::newRow("first colon counts") << "a:b:c" << "a";
        QTest::newRow("empty") << "" << "";
    }
    void componentNameOfItem()
    {
        QFETCH(QString, item);
        QFETCH(QString, name);
        QCOMPARE(TfObjectInspector::ComponentNameOfItem(item), name);
    }

    void componentListAndChoice()
    {
        const QStringList items = m_insp->cbComponents->Items()->ToStringList();
        QCOMPARE(items, (QStringList{"ZeDesignForm: TZeForm", "Button1: TButton",
                                     "Button2: TButton", "Edit1: TEdit"}));
        Select({m_button2});
        QCOMPARE(m_insp->cbComponents->ItemIndex(), 2);
        // A rename shows once the list is filled again.
        m_edit->SetName(QStringLiteral("Renamed"));
        m_insp->FillComponentList();
        QCOMPARE(m_insp->cbComponents->Items()->Strings(3), QStringLiteral("Renamed: TEdit"));
    }

    void choosingFromTheComboTellsTheOwner()
    {
        QStringList chosen;
        struct Sink
        {
            QStringList *chosen;
            void Chosen(TObject *, const QString &item) { *chosen << item; }
        } sink{&chosen};
        m_insp->OnComponentChosen = TComponentChosenEvent::Of<&Sink::Chosen>(&sink);
        Select({});
        m_insp->cbComponents->SetFocus();
        QTest::keyClick(m_insp->cbComponents->Handle(), Qt::Key_Down);
        QCOMPARE(chosen, QStringList{"Button1: TButton"});
        // Selecting by code (Inspect) is no choice of the user's.
        Select({m_edit});
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(m_insp->cbComponents->ItemIndex(), 3);
    }

    void nothingSelectedListsTheForm()
    {
        Select({});
        QCOMPARE(m_insp->InspectedObject, static_cast<TObject *>(m_form));
        QCOMPARE(m_insp->cbComponents->ItemIndex(), 0);
        const QStringList names = RowNames();
        QVERIFY(names.contains("BorderStyle"));
        QVERIFY(names.contains("KeyPreview"));
        QVERIFY(!names.contains("OnClick")); // events wait on their own tab
        QVERIFY(m_insp->pInspector->Height() == names.size() * 18 + 2);
        QCOMPARE(m_componentEditors.size(), 1);
        QCOMPARE(m_componentEditors.first()->Component, static_cast<TComponent *>(m_form));
        QCOMPARE(m_insp->ComponentEditor.Get(), m_componentEditors.first());
    }

    void twoControlsShowCommonPropertiesWithFirstValues()
    {
        m_edit->SetLeft(222);
        Select({m_edit, m_button});
        const QStringList names = RowNames();
        QVERIFY(names.contains("Left"));
        QVERIFY(!names.contains("Caption")); // the edit has none
        QVERIFY(!names.contains("Name"));    // a name is never shared
        ClickValue("Left");
        QCOMPARE(m_insp->ePropValue->Text(), QStringLiteral("222"));
    }

    void fontRowExpandsAndCollapsesReusingChildren()
    {
        Select({m_button});
        TObjectInspProperty *font = Row("Font");
        QVERIFY(font && font->HasSubProperties());
        TObjectInspProperty *below = Row("Height");
        const int belowTop = below->Top;
        ScrollTo(font);
        Click(m_insp->pbNames, 5, font->Top + 8);
        QVERIFY(font->Expanded);
        QVERIFY(!font->Children.empty());
        QStringList childNames;
        for (const auto &child : font->Children)
            childNames << child->Editor->GetName();
        QVERIFY(childNames.contains("Name") && childNames.contains("Style"));
        QCOMPARE(below->Top, belowTop + 18 * int(font->Children.size()));
        QCOMPARE(font->Height, 18 * (1 + int(font->Children.size())));
        TObjectInspProperty *first = font->Children.front().get();
        // A click on a child's band hits the child.
        QCOMPARE(m_insp->RowAt(first->Top + 5), first);

        Click(m_insp->pbNames, 5, font->Top + 8);
        QVERIFY(!font->Expanded);
        QCOMPARE(below->Top, belowTop);
        Click(m_insp->pbNames, 5, font->Top + 8);
        QVERIFY(font->Expanded);
        QCOMPARE(font->Children.front().get(), first);
        // A double click on the marker is two presses: it toggles twice.
        QTest::mouseDClick(m_insp->pbNames->Handle(), Qt::LeftButton, {},
                           QPoint(3, font->Top + 8));
        QVERIFY(font->Expanded);
        // A click right of the marker area only selects.
        Click(m_insp->pbNames, 40, font->Top + 8);
        QVERIFY(font->Expanded);
        QCOMPARE(m_insp->SelectedRow, font);
    }

    // Regression: Inspect and a click on a marker painted each column several times, as
    // expansion, selection and layout each repainted and layout let pending paints run.
    void inspectAndMarkerClickPaintEachColumnOnce()
    {
        PaintCounter names(m_insp->pbNames->Handle());
        PaintCounter values(m_insp->pbValues->Handle());
        Select({m_button});
        QApplication::processEvents();
        QCOMPARE(names.Count, 1);
        QCOMPARE(values.Count, 1);
        TObjectInspProperty *font = Row("Font");
        ScrollTo(font);
        QApplication::processEvents();
        names.Count = values.Count = 0;
        // Nothing outside the rows changes: the rest of the window is not painted again.
        PaintCounter status(m_insp->StatusBar1->Handle());
        Click(m_insp->pbNames, 5, font->Top + 8);
        QApplication::processEvents();
        QVERIFY(font->Expanded);
        QCOMPARE(m_insp->SelectedRow, font);
        QCOMPARE(names.Count, 1);
        QCOMPARE(values.Count, 1);
        QCOMPARE(status.Count, 0);
    }

    // A refresh of the shown values reads the rows in view, not every row: on a long list a
    // move would otherwise read each property of each selected control.
    void refreshReadsOnlyTheRowsInView()
    {
        Select({m_button});
        QApplication::processEvents();
        TObjectInspProperty *width = Row("Width");
        TObjectInspProperty *height = Row("Height");
        QVERIFY(width && height);
        ScrollTo(height);
        QApplication::processEvents();
        QVERIFY(width->Top > height->Top + m_insp->sbInspector->ClientHeight());
        TCountingIntegerProperty::Reads.clear();
        m_insp->RefreshValues();
        QApplication::processEvents();
        QVERIFY(TCountingIntegerProperty::Reads.value(QStringLiteral("Height")) > 0);
        QCOMPARE(TCountingIntegerProperty::Reads.value(QStringLiteral("Width")), 0);
    }

    void eventsTabShowsNamesWithEmptyValues()
    {
        Select({m_button});
        m_insp->tcInspector->SelectTab(1);
        const QStringList names = RowNames();
        QVERIFY(names.contains("OnClick"));
        QVERIFY(!names.contains("Caption"));
        TObjectInspProperty *row = ClickValue("OnClick");
        QCOMPARE(m_insp->SelectedRow, row);
        QVERIFY(m_insp->ePropValue->Visible());
        QCOMPARE(m_insp->ePropValue->Text(), QString());
        // Switching back lays out the properties again.
        m_insp->tcInspector->SelectTab(0);
        QVERIFY(!m_insp->ePropValue->Visible());
        QVERIFY(RowNames().contains("Caption"));
    }

    void valueList_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("height");
        QTest::newRow("3 values") << "Few" << 3 << 3 * 13 + 5;
        QTest::newRow("25 values, 10 shown") << "Many" << 25 << 10 * 13 + 5;
    }
    void valueList()
    {
        QFETCH(QString, property);
        QFETCH(int, items);
        QFETCH(int, height);
        auto *probe = new TListProbe(m_form);
        probe->SetName(QStringLiteral("Probe1"));
        probe->SetMany(4);
        m_insp->Inspect(probe);
        ClickValue(property);
        QVERIFY(m_insp->sbPopup->Visible() && !m_insp->sbEdit->Visible());
        m_insp->sbPopupClick(m_insp->sbPopup);
        TListBox *list = m_insp->lbPropValue;
        QVERIFY(list->Visible());
        QCOMPARE(list->Items()->Count(), items);
        QCOMPARE(list->Height(), height);
        QCOMPARE(list->Top(), m_insp->ePropValue->Top() + 16);
        QCOMPARE(list->ItemIndex(), property == "Many" ? 4 : 0);
        // The second press takes the chosen item and closes the list.
        list->SetItemIndex(2);
        m_insp->sbPopupClick(m_insp->sbPopup);
        QVERIFY(!list->Visible());
        QCOMPARE(property == "Many" ? probe->Many() : probe->Few(), 2);
        QCOMPARE(m_insp->ePropValue->Text(), property + "2");
    }

    void valueListOpensAboveNearTheBottom()
    {
        auto *probe = new TListProbe(m_form);
        probe->SetName(QStringLiteral("Probe1"));
        m_insp->Inspect(probe);
        m_insp->SetHeight(150);
        m_insp->Repaint();
        ClickValue("Many");
        m_insp->sbPopupClick(m_insp->sbPopup);
        TListBox *list = m_insp->lbPropValue;
        QCOMPARE(list->Top(), m_insp->ePropValue->Top() - list->Height());
    }

    void listItemClickCommitsAndDeactivationHides()
    {
        auto *probe = new TListProbe(m_form);
        probe->SetName(QStringLiteral("Probe1"));
        m_insp->Inspect(probe);
        ClickValue("Few");
        QTest::mouseClick(m_insp->sbPopup->Handle(), Qt::LeftButton, {}, QPoint(8, 8));
        TListBox *list = m_insp->lbPropValue;
        QVERIFY(list->Visible());
        QWidget *viewport = static_cast<QAbstractScrollArea *>(list->Handle())->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(10, 13 + 6));
        QVERIFY(!list->Visible());
        QCOMPARE(probe->Few(), 1);
        QCOMPARE(m_insp->ePropValue->Text(), QStringLiteral("Few1"));

        QTest::mouseClick(m_insp->sbPopup->Handle(), Qt::LeftButton, {}, QPoint(8, 8));
        QVERIFY(list->Visible());
        QApplication::setActiveWindow(m_form->Handle());
        QTRY_VERIFY(!list->Visible());
        QCOMPARE(probe->Few(), 1);
    }

    // The dialog rebuilds the rows, freeing the row that opened it; the editor lives on until
    // the click is done with it.
    void dialogButtonSurvivesRowsRebuiltByTheDialog()
    {
        auto *probe = new TListProbe(m_form);
        probe->SetName(QStringLiteral("Probe1"));
        TRebuildingDialogProperty::Inspector = m_insp;
        TRebuildingDialogProperty::Opened = 0;
        m_insp->Inspect(probe);
        ClickValue("Dial");
        QVERIFY(m_insp->sbEdit->Visible() && !m_insp->sbPopup->Visible());
        QTest::mouseClick(m_insp->sbEdit->Handle(), Qt::LeftButton, {}, QPoint(8, 8));
        QCOMPARE(TRebuildingDialogProperty::Opened, 1);
        QCOMPARE(probe->Dial(), 42);
        QCOMPARE(m_insp->ePropValue->Text(), QStringLiteral("42"));
        // A double click on the edit of a dialog property opens the dialog too.
        ClickValue("Dial");
        QTest::mouseDClick(EditWidget(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(TRebuildingDialogProperty::Opened, 2);
        QCOMPARE(probe->Dial(), 84);
    }

    // Regression: after the dialog the shown text counted as typed, so leaving the edit wrote
    // the first button's value to both, even when the dialog was cancelled.
    void cancelledDialogWritesNothingToASelection()
    {
        m_button->SetTag(1);
        m_button2->SetTag(2);
        Select({m_button, m_button2});
        ClickValue("Tag");
        QVERIFY(m_insp->sbEdit->Visible());
        QTest::mouseClick(m_insp->sbEdit->Handle(), Qt::LeftButton, {}, QPoint(8, 8));
        QVERIFY(m_insp->ePropValue->Focused());
        m_insp->cbComponents->SetFocus();
        QCOMPARE(m_button2->Tag(), 2);
    }

    void typingAndEnterWritesToTheControl()
    {
        Select({m_button});
        ClickValue("Caption");
        QCOMPARE(m_insp->ePropValue->Text(), QStringLiteral("Button1"));
        Type("Go");
        QVERIFY(m_insp->ValueEdited);
        QCOMPARE(m_button->Caption(), QStringLiteral("Button1"));
        Key(Qt::Key_Return);
        QCOMPARE(m_button->Caption(), QStringLiteral("Go"));
        QVERIFY(!m_insp->ValueEdited);
        QCOMPARE(m_insp->ePropValue->SelText(), QStringLiteral("Go"));
    }

    void escapeRestoresWithoutWriting()
    {
        Select({m_button});
        ClickValue("Caption");
        Type("Changed");
        Key(Qt::Key_Escape);
        QCOMPARE(m_insp->ePropValue->Text(), QStringLiteral("Button1"));
        QVERIFY(!m_insp->ValueEdited);
        // Leaving the edit now writes nothing.
        m_insp->cbComponents->SetFocus();
        QCOMPARE(m_button->Caption(), QStringLiteral("Button1"));
    }

    void leavingTheEditWrites()
    {
        Select({m_button});
        ClickValue("Caption");
        Type("Left");
        m_insp->cbComponents->SetFocus();
        QCOMPARE(m_button->Caption(), QStringLiteral("Left"));
        QVERIFY(!m_insp->ValueEdited);
    }

    void refusedValueStaysForTheNextTry()
    {
        Select({m_button});
        ClickValue("Left");
        Type("abc");
        Key(Qt::Key_Return);
        QCOMPARE(m_errors.size(), 1);
        QCOMPARE(m_button->Left(), 10);
        QCOMPARE(m_insp->ePropValue->Text(), QStringLiteral("abc"));
        QVERIFY(m_insp->ValueEdited);
        Type("33");
        Key(Qt::Key_Return);
        QCOMPARE(m_button->Left(), 33);
        QVERIFY(!m_insp->ValueEdited);
    }

    // Regression: keys that change no text (a caret move) once marked the edit as typed, and
    // leaving it then wrote the first control's value to every selected control.
    void caretKeysDoNotWriteToASelection()
    {
        Select({m_button, m_button2});
        ClickValue("Left");
        Key(Qt::Key_Right);
        Key(Qt::Key_Home);
        QVERIFY(!m_insp->ValueEdited);
        m_insp->cbComponents->SetFocus();
        QCOMPARE(m_button2->Left(), 100);
    }

    // Regression: text typed for one row was dropped when another row was clicked, and the
    // second row's shown value was written back on exit.
    void clickingAnotherRowCommitsTypedText()
    {
        Select({m_button});
        ClickValue("Caption");
        Type("Typed");
        ClickValue("Left");
        QCOMPARE(m_button->Caption(), QStringLiteral("Typed"));
        QCOMPARE(m_insp->ePropValue->Text(), QStringLiteral("10"));
        QVERIFY(!m_insp->ValueEdited);
    }

    void doubleClickTogglesBoolean()
    {
        Select({m_button});
        ClickValue("Enabled");
        QCOMPARE(m_insp->ePropValue->Text(), QStringLiteral("True"));
        QTest::mouseDClick(EditWidget(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(m_insp->ePropValue->Text(), QStringLiteral("False"));
        QVERIFY(!m_button->Enabled());
        QTest::mouseDClick(EditWidget(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(m_insp->ePropValue->Text(), QStringLiteral("True"));
        QVERIFY(m_button->Enabled());
    }

    void upAndDownMoveOverTopLevelRows()
    {
        Select({m_button});
        const std::vector<TObjectInspProperty *> rows = m_insp->TabRows();
        // Nothing selected: Down starts at the first row, Up does nothing.
        m_insp->cbComponents->SetFocus();
        QTest::keyClick(m_insp->cbComponents->Handle(), Qt::Key_Up);
        QCOMPARE(m_insp->SelectedRow, nullptr);
        m_insp->SelectRow(nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(m_insp->SelectedRow, rows.front());
        Key(Qt::Key_Up);
        QCOMPARE(m_insp->SelectedRow, rows.front());
        Key(Qt::Key_Down);
        QCOMPARE(m_insp->SelectedRow, rows.at(1));
        m_insp->SelectRow(rows.back());
        Key(Qt::Key_Down);
        QCOMPARE(m_insp->SelectedRow, rows.back());
        // The last row was scrolled into view.
        TControlScrollBar *bar = m_insp->sbInspector->VertScrollBar();
        QVERIFY(bar->Position() > 0);
        QVERIFY(rows.back()->Top + 18 - bar->Position() <= m_insp->sbInspector->ClientHeight());
        Key(Qt::Key_Up);
        QCOMPARE(m_insp->SelectedRow, rows.at(rows.size() - 2));
        // From a child row, Down starts again at the first row and Up stays.
        TObjectInspProperty *font = Row("Font");
        m_insp->ToggleExpanded(font);
        TObjectInspProperty *child = font->Children.front().get();
        m_insp->SelectRow(child);
        Key(Qt::Key_Up);
        QCOMPARE(m_insp->SelectedRow, child);
        Key(Qt::Key_Down);
        QCOMPARE(m_insp->SelectedRow, rows.front());
    }

    void everyKeyDownGoesToTheOwner()
    {
        QList<quint16> keys;
        struct Sink
        {
            QList<quint16> *keys;
            void KeyDown(TObject *, quint16 &key, TShiftState) { *keys << key; }
        } sink{&keys};
        m_insp->OnFormKeyDown = TKeyEvent::Of<&Sink::KeyDown>(&sink);
        Select({m_button});
        ClickValue("Caption");
        Key(Qt::Key_F11);
        Key(Qt::Key_A);
        QCOMPARE(keys, (QList<quint16>{0x7A, 'A'}));
    }

    void closeHidesAndUnchecksTheMenuItem()
    {
        TMenuItem item(nullptr);
        item.SetChecked(true);
        m_insp->MenuItem = &item;
        m_insp->Close();
        QVERIFY(!m_insp->Visible());
        QVERIFY(!item.Checked());
        m_insp->MenuItem = nullptr;
        // Still usable after closing.
        Select({m_button});
        QVERIFY(RowNames().contains("Caption"));
    }

    void placementIsSavedAndReadBack()
    {
        QTemporaryDir dir;
        SetSettingsRootForTesting(dir.path());
        auto *insp = new TfObjectInspector(nullptr);
        insp->SetBounds(300, 200, 280, 400);
        insp->pLeft->SetWidth(120);
        Free(insp);
        TSettingsStore store;
        QVERIFY(store.Open(MachineSettingsFile(), false));
        QCOMPARE(store.ReadInteger("ObjInsp", "Left", 0), 300);
        QCOMPARE(store.ReadInteger("ObjInsp", "Width", 0), 280);
        QCOMPARE(store.ReadInteger("Rozizodu", "Left", 0), 120);
        store.Close();
        insp = new TfObjectInspector(nullptr);
        QCOMPARE(insp->BoundsRect(), QRect(300, 200, 280, 400));
        QCOMPARE(insp->pLeft->Width(), 120);
        Free(insp);
        SetSettingsRootForTesting(m_settings->path());
    }
};

QTEST_MAIN(InspectorTest)
#include "tst_inspector.moc"
