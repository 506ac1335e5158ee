// The data-aware controls and the data grid: their published sets against their plain twins,
// every property written and read back through the type information, references to freed data
// sources, the navigator's buttons and the grid's columns.

#include "Application.h"
#include "DBCtrls.h"
#include "DBGrids.h"
#include "Forms.h"
#include "Menus.h"

#include <QImage>
#include <QLineEdit>
#include <QtTest>

#include <limits>
#include <memory>

namespace {

using Maker = TControl *(*)(TComponent *owner);
template<class T> TControl *Make(TComponent *owner) { return new T(owner); }

struct Recorder
{
    void Nav(TObject *, TNavigateBtn button) { calls << QString::number(button); }
    void Before(TObject *, TNavigateBtn button)
    {
        calls << QStringLiteral("before%1").arg(button);
    }
    void Notify(TObject *) {}
    QStringList calls;
};

// A data set with one open record: Name = "Ann", Active = "Y".
struct Data
{
    explicit Data(TComponent *owner) : set(new TDataSet(owner)), source(new TDataSource(owner))
    {
        set->AddField(QStringLiteral("Name"));
        set->AddField(QStringLiteral("Active"));
        source->SetDataSet(set);
    }
    void Open(const QString &name, const QString &active)
    {
        set->Open();
        set->Edit();
        set->FieldByName(QStringLiteral("Name"))->SetAsString(name);
        set->FieldByName(QStringLiteral("Active"))->SetAsString(active);
        set->Post();
    }
    TDataSet *set;
    TDataSource *source;
};

// Whether the widget of control shows a pixel of roughly ink inside rect.
bool HasInk(TControl *control, const QRect &rect, const QColor &ink)
{
    const QImage image = control->Handle()->grab().toImage();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - ink.red()) < 40 && qAbs(c.green() - ink.green()) < 40
                && qAbs(c.blue() - ink.blue()) < 40)
                return true;
        }
    }
    return false;
}

void AddClassRows()
{
    QTest::addColumn<void *>("maker");
    QTest::newRow("TDBText") << reinterpret_cast<void *>(&Make<TDBText>);
    QTest::newRow("TDBEdit") << reinterpret_cast<void *>(&Make<TDBEdit>);
    QTest::newRow("TDBMemo") << reinterpret_cast<void *>(&Make<TDBMemo>);
    QTest::newRow("TDBImage") << reinterpret_cast<void *>(&Make<TDBImage>);
    QTest::newRow("TDBListBox") << reinterpret_cast<void *>(&Make<TDBListBox>);
    QTest::newRow("TDBComboBox") << reinterpret_cast<void *>(&Make<TDBComboBox>);
    QTest::newRow("TDBCheckBox") << reinterpret_cast<void *>(&Make<TDBCheckBox>);
    QTest::newRow("TDBRadioGroup") << reinterpret_cast<void *>(&Make<TDBRadioGroup>);
    QTest::newRow("TDBNavigator") << reinterpret_cast<void *>(&Make<TDBNavigator>);
    QTest::newRow("TDBLookupListBox") << reinterpret_cast<void *>(&Make<TDBLookupListBox>);
    QTest::newRow("TDBLookupComboBox") << reinterpret_cast<void *>(&Make<TDBLookupComboBox>);
    QTest::newRow("TDBRichEdit") << reinterpret_cast<void *>(&Make<TDBRichEdit>);
    QTest::newRow("TDBGrid") << reinterpret_cast<void *>(&Make<TDBGrid>);
}

} // namespace

class DBCtrlsTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TApplication> m_app;
    TForm *m_form = nullptr;

    TControl *Place(void *maker)
    {
        TControl *c = reinterpret_cast<Maker>(maker)(m_form);
        c->SetParent(m_form);
        return c;
    }

private slots:
    void init()
    {
        m_app = std::make_unique<TApplication>(nullptr);
        m_form = new TForm(nullptr);
        m_form->SetBounds(0, 0, 600, 400);
    }
    void cleanup()
    {
        Free(m_form);
        m_form = nullptr;
        m_app.reset();
    }

    void everyPropertyRoundTripsThroughTypeInformation_data() { AddClassRows(); }
    void everyPropertyRoundTripsThroughTypeInformation()
    {
        QFETCH(void *, maker);
        TControl *control = Place(maker);
        m_form->Show();
        Data data(m_form);
        auto *menu = new TPopupMenu(m_form);
        TStringList lines;
        lines.Add(QStringLiteral("a"));
        lines.Add(QStringLiteral("b"));
        Recorder recorder;
        const TMethod handler = TNotifyEvent::Of<&Recorder::Notify>(&recorder).Method();
        for (const TPropInfo *p : GetPropList(control)) {
            if (!p->HasWrite)
                continue;
            const QString name = p->Name;
            // Bounds follow the alignment set before them and are rounded by several of these
            // controls; their sizes are tested apart.
            const bool compare =
                !QStringList({"Left", "Top", "Width", "Height", "RowCount"}).contains(name);
            switch (p->PropType->Kind) {
            case KindLongString: {
                const QString value = name == QLatin1String("Name") ? QStringLiteral("Probe1")
                                                                     : QStringLiteral("Probe");
                SetStrProp(control, p, value);
                QCOMPARE(GetStrProp(control, p), value);
                break;
            }
            case KindEnumeration: {
                const qint64 value = p->PropType == TypeInfoBoolean()
                                         ? !GetOrdProp(control, p)
                                         : p->PropType->MaxValue;
                SetOrdProp(control, p, value);
                QVERIFY2(GetOrdProp(control, p) == value, qPrintable(name));
                break;
            }
            case KindSet:
                SetOrdProp(control, p, 3);
                QVERIFY2(GetOrdProp(control, p) == 3, qPrintable(name));
                break;
            case KindInteger:
            case KindChar: {
                const qint64 value = p->PropType == TypeInfoTColor()    ? clRed
                                     : p->PropType == TypeInfoTCursor() ? crHandPoint
                                     : p->PropType == TypeInfoChar()    ? '*'
                                                                        : 5;
                SetOrdProp(control, p, value);
                if (compare)
                    QVERIFY2(GetOrdProp(control, p) == value, qPrintable(name));
                break;
            }
            case KindClass: {
                TClass cls = p->PropType->ClassType;
                auto set = [&](TObject *value) {
                    SetOrdProp(control, p, qint64(reinterpret_cast<std::intptr_t>(value)));
                };
                if (cls->InheritsFrom(TDataSource::StaticClass())) {
                    set(data.source);
                    QVERIFY2(GetObjectProp(control, p) == data.source, qPrintable(name));
                } else if (cls->InheritsFrom(TPopupMenu::StaticClass())) {
                    set(menu);
                    QVERIFY2(GetObjectProp(control, p) == menu, qPrintable(name));
                } else if (cls->InheritsFrom(TStrings::StaticClass())) {
                    // A list of the property's own kind, as the strings editor hands back.
                    TObject *current = GetObjectProp(control, p);
                    std::unique_ptr<TObject> copy(current->ClassType()->Create(nullptr));
                    static_cast<TStrings *>(copy.get())->Assign(&lines);
                    set(copy.get());
                    QCOMPARE(static_cast<TStrings *>(GetObjectProp(control, p))->Text(),
                             lines.Text());
                }
                break;
            }
            case KindMethod:
                SetMethodProp(control, p, handler);
                QVERIFY(GetMethodProp(control, p) == handler);
                break;
            default:
                break;
            }
        }
        // Still drawable with every property changed.
        QVERIFY(!control->Handle()->grab().isNull());
        Free(control);
    }

    void dataSourceIsClearedWhenFreed_data() { AddClassRows(); }
    void dataSourceIsClearedWhenFreed()
    {
        QFETCH(void *, maker);
        TControl *control = Place(maker);
        m_form->Show();
        Data data(m_form);
        data.Open(QStringLiteral("Ann"), QStringLiteral("Y"));
        const TPropInfo *prop = GetPropInfo(control, QStringLiteral("DataSource"));
        QVERIFY(prop);
        QVERIFY(prop->PropType == TDataSource::StaticClass()->ClassTypeInfo());
        SetOrdProp(control, prop, qint64(reinterpret_cast<std::intptr_t>(data.source)));
        if (const TPropInfo *list = GetPropInfo(control, QStringLiteral("ListSource")))
            SetOrdProp(control, list, qint64(reinterpret_cast<std::intptr_t>(data.source)));
        if (const TPropInfo *field = GetPropInfo(control, QStringLiteral("DataField")))
            SetStrProp(control, field, QStringLiteral("Name"));
        control->Handle()->grab();
        Free(data.source);
        QCOMPARE(GetObjectProp(control, prop), nullptr);
        if (const TPropInfo *list = GetPropInfo(control, QStringLiteral("ListSource")))
            QCOMPARE(GetObjectProp(control, list), nullptr);
        // Drawing and closing the data set afterwards touch nothing freed.
        control->Handle()->grab();
        data.set->Close();
        Free(data.set);
        control->Handle()->grab();
    }

    void twinsPublishThePlainSetPlusDataProperties_data()
    {
        QTest::addColumn<void *>("maker");
        QTest::addColumn<void *>("twinMaker");
        // The twin's properties a data-aware control leaves out: the value it takes from the
        // field, and what makes no sense for one bound value.
        QTest::addColumn<QStringList>("leftOut");
        QTest::addColumn<QStringList>("changedDefaults");
        auto row = [](const char *name, Maker db, Maker twin, QStringList out,
                      QStringList changed = {}) {
            QTest::newRow(name) << reinterpret_cast<void *>(db) << reinterpret_cast<void *>(twin)
                                << out << changed;
        };
        row("text", &Make<TDBText>, &Make<TLabel>,
            {"Caption", "FocusControl", "ShowAccelChar"}, {"AutoSize"});
        row("edit", &Make<TDBEdit>, &Make<TEdit>, {"Text"});
        row("memo", &Make<TDBMemo>, &Make<TMemo>, {"Lines"});
        row("rich edit", &Make<TDBRichEdit>, &Make<TRichEdit>, {"Lines"});
        row("list box", &Make<TDBListBox>, &Make<TListBox>,
            {"Columns", "ExtendedSelect", "MultiSelect", "TabWidth"});
        row("combo box", &Make<TDBComboBox>, &Make<TComboBox>, {"Text"});
        row("check box", &Make<TDBCheckBox>, &Make<TCheckBox>, {"Checked", "State"});
        row("radio group", &Make<TDBRadioGroup>, &Make<TRadioGroup>, {"ItemIndex"});
    }
    void twinsPublishThePlainSetPlusDataProperties()
    {
        QFETCH(void *, maker);
        QFETCH(void *, twinMaker);
        QFETCH(QStringList, leftOut);
        QFETCH(QStringList, changedDefaults);
        TControl *db = Place(maker);
        TControl *twin = Place(twinMaker);
        for (const TPropInfo *p : GetPropList(twin)) {
            if (leftOut.contains(p->Name))
                continue;
            const TPropInfo *mine = GetPropInfo(db, p->Name);
            QVERIFY2(mine, qPrintable(p->Name));
            QVERIFY2(mine->PropType == p->PropType, qPrintable(p->Name));
            if (!changedDefaults.contains(p->Name))
                QVERIFY2(mine->Default == p->Default, qPrintable(p->Name));
        }
        for (const QString &name : leftOut)
            QVERIFY2(!GetPropInfo(db, name), qPrintable(name));
        const TPropInfo *field = GetPropInfo(db, QStringLiteral("DataField"));
        QVERIFY(field && field->PropType == TypeInfoString());
        QVERIFY(GetPropInfo(db, QStringLiteral("DataSource")));
        QVERIFY(GetPropInfo(db, QStringLiteral("ReadOnly")) || db->Is<TDBText>());
        // New controls take their twin's size.
        if (!db->Is<TDBText>())
            QCOMPARE(db->BoundsRect().size(), twin->BoundsRect().size());
    }

    void ownClassesTakeClassicSizesAndDefaults()
    {
        QCOMPARE(TDBText(m_form).BoundsRect().size(), QSize(65, 17));
        QCOMPARE(TDBImage(m_form).BoundsRect().size(), QSize(105, 105));
        QCOMPARE(TDBNavigator(m_form).BoundsRect().size(), QSize(240, 25));
        QCOMPARE(TDBLookupListBox(m_form).BoundsRect().size(), QSize(121, 95));
        QCOMPARE(TDBLookupComboBox(m_form).BoundsRect().size(), QSize(145, 21));
        QCOMPARE(TDBGrid(m_form).BoundsRect().size(), QSize(320, 120));
        TDBCheckBox check(m_form);
        QCOMPARE(check.ValueChecked(), QStringLiteral("True"));
        QCOMPARE(check.ValueUnchecked(), QStringLiteral("False"));
        const TPropInfo *buttons = GetPropInfo(TDBNavigator::StaticClass(),
                                               QStringLiteral("VisibleButtons"));
        QCOMPARE(buttons->PropType->CompType->EnumNames.size(), 10);
        QCOMPARE(buttons->Default, qint64(0x3FF));
        QCOMPARE(GetPropInfo(TDBGrid::StaticClass(), QStringLiteral("Options"))->Default,
                 qint64(DefaultDBGridOptions));
        QCOMPARE(GetPropInfo(TDBLookupComboBox::StaticClass(),
                             QStringLiteral("NullValueKey"))->PropType, TypeInfoTShortCut());
    }

    // The list's height is its rows' and follows RowCount; rows past the integer range would
    // overflow it. Cut at the last coordinate, the list holds the whole rows that fit there.
    void lookupListRowsStopAtTheIntegerLimit()
    {
        constexpr int kIntMax = std::numeric_limits<int>::max();
        TDBLookupListBox list(m_form);
        const int border = list.Height() - list.RowCount() * list.ItemHeight();
        list.SetBounds(0, 40, 121, list.Height());
        for (int count : {kIntMax, 2000000000}) {
            list.SetRowCount(count);
            QVERIFY(list.RowCount() > 1000);
            QVERIFY(qint64(list.Top()) + list.Height() <= kIntMax);
            QCOMPARE(qint64(list.RowCount()) * list.ItemHeight() + border,
                     qint64(list.Height()));
            // What it shows, given again, stays.
            const int shown = list.RowCount();
            list.SetRowCount(shown);
            QCOMPARE(list.RowCount(), shown);
        }
        list.SetBounds(0, 40, 121, std::numeric_limits<int>::min());
        QCOMPARE(list.RowCount(), 1);
        QCOMPARE(list.Height(), list.ItemHeight() + border);
    }

    void controlsShowTheFieldOrTheirName()
    {
        Data data(m_form);
        auto *edit = new TDBEdit(m_form);
        edit->SetName(QStringLiteral("Edit7"));
        edit->SetDataSource(data.source);
        edit->SetDataField(QStringLiteral("Name"));
        // A closed data set shows nothing at run time, the name at design time.
        QCOMPARE(edit->Text(), QString());
        edit->SetDesigning(true);
        QCOMPARE(edit->Text(), QStringLiteral("Edit7"));
        edit->SetDesigning(false);
        data.Open(QStringLiteral("Ann"), QStringLiteral("yes"));
        QCOMPARE(edit->Text(), QStringLiteral("Ann"));
        auto *check = new TDBCheckBox(m_form);
        check->SetDataSource(data.source);
        check->SetDataField(QStringLiteral("Active"));
        QCOMPARE(check->State(), cbGrayed);
        check->SetValueChecked(QStringLiteral("Y; Yes"));
        QCOMPARE(check->State(), cbChecked);
        auto *group = new TDBRadioGroup(m_form);
        group->Items()->SetCommaText(QStringLiteral("One,Two"));
        group->Values()->SetCommaText(QStringLiteral("no,yes"));
        group->SetDataSource(data.source);
        group->SetDataField(QStringLiteral("Active"));
        QCOMPARE(group->ItemIndex(), 1);
        // Closing the data set returns every control to its plain look.
        data.set->Close();
        QCOMPARE(edit->Text(), QString());
        QCOMPARE(check->State(), cbUnchecked);
        QCOMPARE(group->ItemIndex(), -1);
    }

    void typedTextIsPostedIntoTheField()
    {
        Data data(m_form);
        data.Open(QStringLiteral("Ann"), QStringLiteral("Y"));
        auto *edit = new TDBEdit(m_form);
        edit->SetDataSource(data.source);
        edit->SetDataField(QStringLiteral("Name"));
        edit->SetParent(m_form);
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->Handle()));
        auto *line = qobject_cast<QLineEdit *>(edit->Handle());
        QVERIFY(line);
        QVERIFY(!line->isReadOnly());
        line->setFocus();
        line->selectAll();
        QTest::keyClicks(line, QStringLiteral("Bob"));
        QCOMPARE(data.set->State(), dsEdit);
        data.set->Post();
        QCOMPARE(data.set->FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("Bob"));
        // Read-only edits refuse typing.
        edit->SetReadOnly(true);
        QVERIFY(line->isReadOnly());
    }

    void navigatorLaysOutItsVisibleButtons_data()
    {
        QTest::addColumn<quint32>("buttons");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("fitted");
        QTest::addColumn<int>("buttonWidth");
        QTest::newRow("all ten") << AllNavigateButtons << 241 << 240 << 24;
        QTest::newRow("first and last") << NavButtons({nbFirst, nbLast}) << 241 << 240 << 120;
        QTest::newRow("three rounded down") << NavButtons({nbPost, nbCancel, nbEdit}) << 100
                                            << 99 << 33;
        QTest::newRow("too narrow grows") << AllNavigateButtons << 50 << 200 << 20;
    }
    void navigatorLaysOutItsVisibleButtons()
    {
        QFETCH(quint32, buttons);
        QFETCH(int, width);
        QFETCH(int, fitted);
        QFETCH(int, buttonWidth);
        auto *nav = new TDBNavigator(m_form);
        nav->SetParent(m_form);
        nav->SetVisibleButtons(buttons);
        nav->SetWidth(width);
        QCOMPARE(nav->Width(), fitted);
        int x = 0;
        for (int b = 0; b < NavigateBtnCount; ++b) {
            const QRect r = nav->ButtonRect(TNavigateBtn(b));
            if (!(buttons & (1u << b))) {
                QVERIFY(r.isEmpty());
                continue;
            }
            QCOMPARE(r, QRect(x, 0, buttonWidth, nav->Height()));
            x += buttonWidth;
            // Each shown button carries its black glyph in its middle.
            QVERIFY(HasInk(nav, r.adjusted(3, 3, -3, -3), Qt::black));
        }
        QCOMPARE(x, fitted);
    }

    void navigatorFollowsTheDataSetAndActs()
    {
        Data data(m_form);
        auto *nav = new TDBNavigator(m_form);
        QVERIFY(nav->ButtonEnabled(nbPost)); // not connected: every button shows ready
        nav->SetDataSource(data.source);
        QVERIFY(!nav->ButtonEnabled(nbEdit)); // closed data set
        data.Open(QStringLiteral("Ann"), QStringLiteral("Y"));
        QVERIFY(nav->ButtonEnabled(nbEdit));
        QVERIFY(!nav->ButtonEnabled(nbPost));
        Recorder recorder;
        nav->BeforeAction = TNavClickEvent::Of<&Recorder::Before>(&recorder);
        nav->OnClick = TNavClickEvent::Of<&Recorder::Nav>(&recorder);
        nav->BtnClick(nbEdit);
        QCOMPARE(data.set->State(), dsEdit);
        QCOMPARE(recorder.calls, QStringList({"before6", "6"}));
        QVERIFY(!nav->ButtonEnabled(nbEdit));
        QVERIFY(nav->ButtonEnabled(nbPost) && nav->ButtonEnabled(nbCancel));
        nav->BtnClick(nbCancel);
        QCOMPARE(data.set->State(), dsBrowse);
        // Hints: a given line replaces the standard one, an empty line keeps it.
        nav->Hints()->SetCommaText(QStringLiteral("\"\",Back"));
        QCOMPARE(nav->ButtonHint(nbFirst), QStringLiteral("First record"));
        QCOMPARE(nav->ButtonHint(nbPrior), QStringLiteral("Back"));
    }

    void gridColumnsAddDeleteAndMove()
    {
        auto *grid = new TDBGrid(m_form);
        grid->SetParent(m_form);
        // No columns: the indicator and one blank column under the title row.
        QCOMPARE(grid->ColCount(), 2);
        QCOMPARE(grid->RowCount(), 2);
        QCOMPARE(grid->FixedCols(), 1);
        QCOMPARE(grid->FixedRows(), 1);
        QCOMPARE(grid->ColumnAt(1), nullptr);
        for (const char *name : {"A", "B", "C"})
            grid->Columns()->Add()->SetFieldName(QString::fromLatin1(name));
        QCOMPARE(grid->ColCount(), 4);
        QCOMPARE(grid->ColumnAt(1)->Title()->Caption(), QStringLiteral("A"));
        grid->Columns()->Delete(1);
        QCOMPARE(grid->ColCount(), 3);
        QCOMPARE(grid->ColumnAt(2)->FieldName(), QStringLiteral("C"));
        grid->Columns()->Items(1)->SetIndex(0);
        QCOMPARE(grid->ColumnAt(1)->FieldName(), QStringLiteral("C"));
        QCOMPARE(grid->ColumnAt(2)->FieldName(), QStringLiteral("A"));
        // Widths follow the grid until given; hidden columns leave the grid.
        QCOMPARE(grid->ColWidths(1), 64);
        grid->ColumnAt(1)->SetWidth(100);
        QCOMPARE(grid->ColWidths(1), 100);
        grid->ColumnAt(1)->SetVisible(false);
        QCOMPARE(grid->ColCount(), 2);
        QCOMPARE(grid->ColumnAt(1)->FieldName(), QStringLiteral("A"));
        // Without indicator and titles the data columns start at the corner.
        grid->SetOptions(grid->Options() & ~(DBGridOption(dgIndicator) | DBGridOption(dgTitles)));
        QCOMPARE(grid->ColumnAt(0)->FieldName(), QStringLiteral("A"));
        QCOMPARE(grid->FixedCols(), 0);
        QCOMPARE(grid->FixedRows(), 0);
    }

    void gridColumnsFollowTheGridUntilGivenTheirOwn()
    {
        auto *grid = new TDBGrid(m_form);
        TColumn *column = grid->Columns()->Add();
        column->SetFieldName(QStringLiteral("Name"));
        grid->Font()->SetSize(14);
        grid->TitleFont()->SetSize(11);
        QCOMPARE(column->Font()->Size(), 14);
        QCOMPARE(column->Title()->Font()->Size(), 11);
        column->Font()->SetSize(9);
        grid->Font()->SetSize(16);
        QCOMPARE(column->Font()->Size(), 9);
        grid->SetColor(clYellow);
        QCOMPARE(column->Color(), clYellow);
        column->SetColor(clAqua);
        grid->SetColor(clLime);
        QCOMPARE(column->Color(), clAqua);
        // A copied collection keeps what was given and what follows.
        TDBGrid other(m_form);
        other.SetColumns(grid->Columns());
        QCOMPARE(other.Columns()->Items(0)->Font()->Size(), 9);
        QCOMPARE(other.Columns()->Items(0)->Title()->Font()->Size(),
                 other.TitleFont()->Size());
    }

    void gridDrawsTitlesAndTheIndicator()
    {
        Data data(m_form);
        auto *grid = new TDBGrid(m_form);
        grid->SetParent(m_form);
        grid->Columns()->Add()->SetFieldName(QStringLiteral("Name"));
        grid->SetDataSource(data.source);
        const QRect indicator = grid->CellRect(0, 1);
        QVERIFY(!HasInk(grid, indicator.adjusted(1, 1, -1, -1), Qt::black));
        data.Open(QStringLiteral("Ann"), QStringLiteral("Y"));
        QVERIFY(HasInk(grid, indicator.adjusted(1, 1, -1, -1), Qt::black));
        grid->ColumnAt(1)->Title()->SetColor(clRed);
        QVERIFY(HasInk(grid, grid->CellRect(1, 0).adjusted(2, 2, -2, -2), Qt::red));
    }

    void gridEditsFieldsAndKeepsWhatTheUserDidToColumns()
    {
        Data data(m_form);
        auto *grid = new TDBGrid(m_form);
        grid->SetBounds(0, 0, 400, 100);
        grid->SetParent(m_form);
        TColumn *name = grid->Columns()->Add();
        name->SetFieldName(QStringLiteral("Name"));
        TColumn *active = grid->Columns()->Add();
        active->SetFieldName(QStringLiteral("Active"));
        active->SetReadOnly(true);
        grid->SetDataSource(data.source);
        data.Open(QStringLiteral("Ann"), QStringLiteral("Y"));
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->Handle()));
        // Typing over the current record's field puts the data set into edit state.
        grid->SetCol(1);
        QTest::keyClick(grid->Handle(), 'B');
        TInplaceEdit *editor = grid->InplaceEditor();
        QVERIFY(editor);
        QTest::keyClicks(editor->Handle(), QStringLiteral("ob"));
        QTest::keyClick(editor->Handle(), Qt::Key_Return);
        QCOMPARE(data.set->FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("Bob"));
        QCOMPARE(data.set->State(), dsEdit);
        // A read-only column takes no typing.
        grid->SetCol(2);
        QTest::keyClick(grid->Handle(), 'N');
        QVERIFY(!editor->Visible());
        QCOMPARE(data.set->FieldByName(QStringLiteral("Active"))->AsString(), QStringLiteral("Y"));
        // A column sized on its title's line keeps the width; a title dragged onto another
        // moves its column there.
        const QRect title = grid->CellRect(1, 0);
        const QPoint line(title.right() + 1, title.center().y());
        grid->MouseDown(mbLeft, 0, line.x(), line.y());
        grid->MouseMove(ssLeft, line.x() + 36, line.y());
        grid->MouseUp(mbLeft, 0, line.x() + 36, line.y());
        QCOMPARE(name->Width(), 100);
        QCOMPARE(grid->ColWidths(1), 100);
        const QPoint from = grid->CellRect(2, 0).center(), to = grid->CellRect(1, 0).center();
        grid->MouseDown(mbLeft, 0, from.x(), from.y());
        grid->MouseMove(ssLeft, to.x(), to.y());
        grid->MouseUp(mbLeft, 0, to.x(), to.y());
        QCOMPARE(grid->Columns()->Items(0), active);
        QCOMPARE(grid->ColWidths(2), 100);
    }

    void columnExpandedIsPublishedAndCopied()
    {
        const TPropInfo *expanded =
            GetPropInfo(TColumn::StaticClass(), QStringLiteral("Expanded"));
        QVERIFY(expanded);
        QCOMPARE(static_cast<const void *>(expanded->PropType),
                 static_cast<const void *>(TypeInfoBoolean()));
        QCOMPARE(expanded->Default, qint64(1));
        TDBGrid grid(m_form);
        TColumn *column = grid.Columns()->Add();
        QVERIFY(column->Expanded());
        column->SetExpanded(false);
        TDBGrid other(m_form);
        other.SetColumns(grid.Columns());
        QVERIFY(!other.Columns()->Items(0)->Expanded());
    }
};

QTEST_MAIN(DBCtrlsTest)
#include "tst_dbctrls.moc"
