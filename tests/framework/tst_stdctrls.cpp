// The standard controls a user places first: their published properties and defaults, their
// classic sizes, and property changes reaching the widgets that draw them.

#include "Application.h"
#include "CheckLst.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "Mask.h"
#include "StdCtrls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

namespace {

struct Events
{
    void Clicked(TObject *sender) { clicks.append(sender); }
    void Changed(TObject *) { ++changes; }
    void ContextPopup(TObject *sender, QPoint, bool &handled)
    {
        clicks.append(sender);
        handled = true;
    }
    QList<TObject *> clicks;
    int changes = 0;
};

template<class T> T *Place(T *control, TWinControl *parent, int left = 8, int top = 8)
{
    control->SetLeft(left);
    control->SetTop(top);
    control->SetParent(parent);
    return control;
}

void ShowForm(TForm &form)
{
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(form.Handle()));
}

const TClass kClasses[] = {
    TLabel::StaticClass(), TEdit::StaticClass(), TMemo::StaticClass(),
    TButton::StaticClass(), TCheckBox::StaticClass(), TRadioButton::StaticClass(),
    TListBox::StaticClass(), TComboBox::StaticClass(), TScrollBar::StaticClass(),
    TGroupBox::StaticClass(), TRadioGroup::StaticClass(), TStaticText::StaticClass(),
    TMaskEdit::StaticClass(), TCheckListBox::StaticClass(), TPanel::StaticClass(),
};

TClass ClassNamed(const QString &name)
{
    for (TClass c : kClasses) {
        if (c->ClassName() == name)
            return c;
    }
    return nullptr;
}

} // namespace

class StdCtrlsTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TApplication> m_app;

private slots:
    void init() { m_app = std::make_unique<TApplication>(nullptr); }
    void cleanup() { m_app.reset(); }

    // A right click on a combo box asks its OnContextPopup, which may take the request over.
    void comboBoxAsksOnContextPopup()
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 300, 200);
        auto *combo = Place(new TComboBox(&form), &form);
        Events events;
        combo->OnContextPopup = TContextPopupEvent::Of<&Events::ContextPopup>(&events);
        QVERIFY(GetPropInfo(TComboBox::StaticClass(), QStringLiteral("OnContextPopup")));
        ShowForm(form);
        QWidget *w = combo->Handle();
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w, &menu);
        QCOMPARE(events.clicks, QList<TObject *>{combo});
    }

    void absurdFontHeightsKeepSensibleSizes_data()
    {
        QTest::addColumn<int>("height");
        QTest::newRow("most negative") << std::numeric_limits<int>::min();
        QTest::newRow("minus two billion") << -2000000000;
        QTest::newRow("two billion") << 2000000000;
    }
    void absurdFontHeightsKeepSensibleSizes()
    {
        // A label sizes itself to its font's line: any stored height leaves it a positive,
        // bounded size, and the text can still be drawn.
        QFETCH(int, height);
        TForm form(nullptr);
        auto *label = new TLabel(&form);
        label->SetParent(&form);
        label->SetCaption(QStringLiteral("Label1"));
        label->Font()->SetHeight(height);
        QCOMPARE(label->Font()->Height(), height);
        QVERIFY(label->Height() > 0 && label->Height() <= 4096);
        QVERIFY(!label->Handle()->grab().isNull());
    }

    void publishedTypesAndDefaults_data()
    {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("prop");
        QTest::addColumn<const void *>("type");
        QTest::addColumn<qint64>("defaultValue");
        auto row = [](const char *cls, const char *prop, PTypeInfo type, qint64 def) {
            QTest::addRow("%s.%s", cls, prop) << QString::fromLatin1(cls)
                                              << QString::fromLatin1(prop)
                                              << static_cast<const void *>(type) << def;
        };
        const qint64 none = TPropInfo::NoDefault;
        row("TLabel", "Caption", TypeInfoTCaption(), none);
        row("TLabel", "AutoSize", TypeInfoBoolean(), 1);
        row("TLabel", "Layout", TypeInfoTTextLayout(), tlTop);
        row("TLabel", "ParentColor", TypeInfoBoolean(), 1);
        row("TLabel", "Anchors", TypeInfoTAnchors(), DefaultAnchors);
        row("TLabel", "Font", TFont::StaticClass()->ClassTypeInfo(), none);
        row("TEdit", "Text", TypeInfoTCaption(), none);
        row("TEdit", "BorderStyle", TypeInfoTBorderStyle(), bsSingle);
        row("TEdit", "CharCase", TypeInfoTEditCharCase(), ecNormal);
        row("TEdit", "Color", TypeInfoTColor(), clWindow);
        row("TEdit", "TabStop", TypeInfoBoolean(), 1);
        row("TEdit", "PasswordChar", TypeInfoChar(), 0);
        row("TEdit", "Name", TypeInfoString(), none);
        row("TMemo", "Align", TypeInfoTAlign(), alNone);
        row("TMemo", "ScrollBars", TypeInfoTScrollStyle(), ssNone);
        row("TMemo", "WordWrap", TypeInfoBoolean(), 1);
        row("TMemo", "Lines", TStrings::StaticClass()->ClassTypeInfo(), none);
        row("TButton", "TabStop", TypeInfoBoolean(), 1);
        row("TButton", "ModalResult", TypeInfoTModalResult(), 0);
        row("TCheckBox", "Alignment", TypeInfoTLeftRight(), taRightJustify);
        row("TCheckBox", "State", TypeInfoTCheckBoxState(), cbUnchecked);
        row("TRadioButton", "Checked", TypeInfoBoolean(), 0);
        row("TListBox", "Style", TypeInfoTListBoxStyle(), lbStandard);
        row("TListBox", "ExtendedSelect", TypeInfoBoolean(), 1);
        row("TListBox", "TabOrder", TypeInfoTTabOrder(), -1);
        row("TComboBox", "DropDownCount", TypeInfoInteger(), 8);
        row("TComboBox", "Style", TypeInfoTComboBoxStyle(), csDropDown);
        row("TComboBox", "OnDropDown", TypeInfoTNotifyEvent(), none);
        row("TScrollBar", "Kind", TypeInfoTScrollBarKind(), sbHorizontal);
        row("TScrollBar", "Max", TypeInfoInteger(), 100);
        row("TScrollBar", "LargeChange", TypeInfoTScrollBarInc(), 1);
        row("TScrollBar", "OnScroll", TypeInfoTScrollEvent(), none);
        row("TRadioGroup", "Columns", TypeInfoInteger(), 1);
        row("TRadioGroup", "ItemIndex", TypeInfoInteger(), -1);
        row("TStaticText", "BorderStyle", TypeInfoTStaticBorderStyle(), sbsNone);
        row("TMaskEdit", "EditMask", TypeInfoString(), none);
        row("TCheckListBox", "Flat", TypeInfoBoolean(), 1);
        row("TCheckListBox", "OnClickCheck", TypeInfoTNotifyEvent(), none);
    }
    void publishedTypesAndDefaults()
    {
        QFETCH(QString, cls);
        QFETCH(QString, prop);
        QFETCH(const void *, type);
        QFETCH(qint64, defaultValue);
        const TClass c = ClassNamed(cls);
        QVERIFY(c);
        const TPropInfo *info = GetPropInfo(c, prop);
        QVERIFY2(info, qPrintable(prop));
        QCOMPARE(static_cast<const void *>(info->PropType), type);
        QCOMPARE(info->Default, defaultValue);
    }

    // What the classic classes leave out must not be published either.
    void unpublishedProperties_data()
    {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("prop");
        QTest::newRow("edit has no Align") << "TEdit" << "Align";
        QTest::newRow("edit has no Caption") << "TEdit" << "Caption";
        QTest::newRow("list box has no Text") << "TListBox" << "Text";
        QTest::newRow("check list box has no MultiSelect") << "TCheckListBox" << "MultiSelect";
        QTest::newRow("button has no Color") << "TButton" << "Color";
        QTest::newRow("scroll bar has no Font") << "TScrollBar" << "Font";
        QTest::newRow("combo box has no OnMouseDown") << "TComboBox" << "OnMouseDown";
    }
    void unpublishedProperties()
    {
        QFETCH(QString, cls);
        QFETCH(QString, prop);
        QVERIFY(!GetPropInfo(ClassNamed(cls), prop));
    }

    void enumerationValueNames_data()
    {
        QTest::addColumn<const void *>("type");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("name");
        auto row = [](const char *tag, PTypeInfo t, int v, const char *n) {
            QTest::newRow(tag) << static_cast<const void *>(t) << v << QString::fromLatin1(n);
        };
        row("scroll style", TypeInfoTScrollStyle(), ssBoth, "ssBoth");
        row("combo style", TypeInfoTComboBoxStyle(), csDropDownList, "csDropDownList");
        row("check state", TypeInfoTCheckBoxState(), cbGrayed, "cbGrayed");
        row("char case", TypeInfoTEditCharCase(), ecLowerCase, "ecLowerCase");
        row("list style", TypeInfoTListBoxStyle(), lbOwnerDrawVariable, "lbOwnerDrawVariable");
        row("layout", TypeInfoTTextLayout(), tlCenter, "tlCenter");
        row("static border", TypeInfoTStaticBorderStyle(), sbsSunken, "sbsSunken");
        row("border", TypeInfoTBorderStyle(), bsSingle, "bsSingle");
        row("left right", TypeInfoTLeftRight(), taRightJustify, "taRightJustify");
        row("owner draw set", GetTypeData(TypeInfoTOwnerDrawState()), odFocused, "odFocused");
    }
    void enumerationValueNames()
    {
        QFETCH(const void *, type);
        QFETCH(int, value);
        QFETCH(QString, name);
        auto t = static_cast<PTypeInfo>(type);
        QCOMPARE(GetEnumName(t, value), name);
        QCOMPARE(GetEnumValue(t, name.toUpper()), value);
    }

    void newControlsTakeClassicSizes_data()
    {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QSize>("size");
        QTest::newRow("edit") << "TEdit" << QSize(121, 21);
        QTest::newRow("mask edit") << "TMaskEdit" << QSize(121, 21);
        QTest::newRow("memo") << "TMemo" << QSize(185, 89);
        QTest::newRow("check box") << "TCheckBox" << QSize(97, 17);
        QTest::newRow("radio button") << "TRadioButton" << QSize(113, 17);
        QTest::newRow("list box") << "TListBox" << QSize(121, 97);
        QTest::newRow("check list box") << "TCheckListBox" << QSize(121, 97);
        QTest::newRow("combo box") << "TComboBox" << QSize(145, 21);
        QTest::newRow("scroll bar") << "TScrollBar" << QSize(121, 16);
        QTest::newRow("group box") << "TGroupBox" << QSize(185, 105);
        QTest::newRow("radio group") << "TRadioGroup" << QSize(185, 105);
        QTest::newRow("panel") << "TPanel" << QSize(185, 41);
        QTest::newRow("button") << "TButton" << QSize(75, 25);
    }
    void newControlsTakeClassicSizes()
    {
        QFETCH(QString, cls);
        QFETCH(QSize, size);
        TForm form(nullptr);
        auto *c = static_cast<TControl *>(ClassNamed(cls)->Create(&form));
        QCOMPARE(c->BoundsRect().size(), size);
    }

    void labelSizesItselfToItsCaption()
    {
        TForm form(nullptr);
        auto *label = Place(new TLabel(&form), &form);
        label->SetCaption(QStringLiteral("Label1"));
        QCOMPARE(label->Height(), 13); // one line of the default 8-point font
        const int shortWidth = label->Width();
        QVERIFY(shortWidth > 10 && shortWidth < 65);
        label->SetCaption(QStringLiteral("A much longer caption"));
        QVERIFY(label->Width() > shortWidth);
        // Without AutoSize the size stays; with WordWrap the width stays and lines add up.
        label->SetAutoSize(false);
        label->SetBounds(8, 8, 40, 13);
        label->SetCaption(QStringLiteral("Label1"));
        QCOMPARE(label->Width(), 40);
        label->SetWordWrap(true);
        label->SetAutoSize(true);
        QCOMPARE(label->Width(), 40);
        label->SetCaption(QStringLiteral("one two three four five six"));
        QVERIFY(label->Height() >= 26);
        QCOMPARE(label->Height() % 13, 0);
    }

    void editTextReachesTheWidgetAndBack()
    {
        TForm form(nullptr);
        Events events;
        auto *edit = Place(new TEdit(&form), &form);
        edit->OnChange = TNotifyEvent::Of<&Events::Changed>(&events);
        ShowForm(form);
        auto *w = qobject_cast<QLineEdit *>(edit->Handle());
        QVERIFY(w);
        edit->SetText(QStringLiteral("hello"));
        QCOMPARE(w->text(), QStringLiteral("hello"));
        QCOMPARE(events.changes, 1);

        edit->SetCharCase(ecUpperCase);
        QCOMPARE(edit->Text(), QStringLiteral("HELLO"));
        QCOMPARE(w->text(), QStringLiteral("HELLO"));
        edit->SetMaxLength(3);
        QCOMPARE(edit->Text(), QStringLiteral("HEL"));

        edit->SetMaxLength(0);
        edit->SetText(QString());
        w->setFocus();
        QTest::keyClicks(w, QStringLiteral("abc"));
        QCOMPARE(edit->Text(), QStringLiteral("ABC")); // typed text takes the case too
        QCOMPARE(w->text(), QStringLiteral("ABC"));
        QVERIFY(edit->Modified());

        edit->SetReadOnly(true);
        QVERIFY(w->isReadOnly());
        edit->SetPasswordChar('*');
        QCOMPARE(w->echoMode(), QLineEdit::Password);
    }

    void editInDesignStateTakesNoTyping()
    {
        TForm form(nullptr);
        auto *edit = Place(new TEdit(&form), &form);
        form.SetDesigning(true);
        ShowForm(form);
        auto *w = qobject_cast<QLineEdit *>(edit->Handle());
        QTest::keyClicks(w, QStringLiteral("typed"));
        QCOMPARE(edit->Text(), QString());
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
    }

    void memoLinesFollowTheWidgetBothWays()
    {
        TForm form(nullptr);
        Events events;
        auto *memo = Place(new TMemo(&form), &form);
        memo->OnChange = TNotifyEvent::Of<&Events::Changed>(&events);
        ShowForm(form);
        auto *w = qobject_cast<QPlainTextEdit *>(memo->Handle());
        QVERIFY(w);
        memo->Lines()->Add(QStringLiteral("first"));
        memo->Lines()->Add(QStringLiteral("second"));
        QCOMPARE(w->toPlainText(), QStringLiteral("first\nsecond"));
        QCOMPARE(memo->Text(), QStringLiteral("first\r\nsecond"));
        QCOMPARE(events.changes, 2);

        w->setPlainText(QStringLiteral("a\nb\nc"));
        QCOMPARE(memo->Lines()->Count(), 3);
        QCOMPARE(memo->Lines()->Strings(2), QStringLiteral("c"));

        memo->SetText(QStringLiteral("x\r\ny"));
        QCOMPARE(memo->Lines()->Count(), 2);
        QCOMPARE(w->toPlainText(), QStringLiteral("x\ny"));

        memo->SetScrollBars(ssBoth);
        QCOMPARE(w->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(w->lineWrapMode(), QPlainTextEdit::NoWrap); // a horizontal bar ends wrapping
        memo->SetScrollBars(ssVertical);
        QCOMPARE(w->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(w->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }

    void listsAndMemosFillTheirOwnBackground()
    {
        // Their insides are painted in their own colour over whatever the form paints
        // beneath them, and follow a change of it.
        TForm form(nullptr);
        form.SetColor(clRed);
        auto *memo = Place(new TMemo(&form), &form, 10, 10);
        auto *list = Place(new TListBox(&form), &form, 10, 110);
        memo->Lines()->Clear();
        memo->SetColor(clYellow);
        list->SetColor(clLime);
        ShowForm(form);
        const auto inside = [&](TControl *control) {
            const QImage window = form.Handle()->grab().toImage();
            QWidget *w = control->Handle();
            const QPoint at = w->mapTo(form.Handle(), QPoint(w->width() - 10, w->height() - 10));
            return QColor(window.pixel(at));
        };
        QCOMPARE(inside(memo), QColor(Qt::yellow));
        QCOMPARE(inside(list), QColor(Qt::green));
        memo->SetColor(clAqua);
        QCOMPARE(inside(memo), QColor(Qt::cyan));
    }

    void checkBoxStatesCycleAndReachTheWidget()
    {
        TForm form(nullptr);
        Events events;
        auto *box = Place(new TCheckBox(&form), &form);
        box->OnClick = TNotifyEvent::Of<&Events::Clicked>(&events);
        ShowForm(form);
        auto *w = qobject_cast<QCheckBox *>(box->Handle());
        box->SetChecked(true);
        QCOMPARE(w->checkState(), Qt::Checked);
        QCOMPARE(events.clicks.size(), 1);
        box->SetAllowGrayed(true);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
        QCOMPARE(box->State(), cbGrayed);
        QCOMPARE(w->checkState(), Qt::PartiallyChecked);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
        QCOMPARE(box->State(), cbUnchecked);
        QCOMPARE(events.clicks.size(), 3);
        box->SetAlignment(taLeftJustify);
        QCOMPARE(w->layoutDirection(), Qt::RightToLeft);
    }

    void radioButtonsAreExclusiveWithinTheirParent()
    {
        TForm form(nullptr);
        auto *panel = Place(new TPanel(&form), &form);
        auto *a = Place(new TRadioButton(&form), &form, 8, 60);
        auto *b = Place(new TRadioButton(&form), &form, 8, 80);
        auto *inPanel = Place(new TRadioButton(&form), panel);
        ShowForm(form);
        a->SetChecked(true);
        inPanel->SetChecked(true);
        QVERIFY(a->Checked()); // another parent is another group
        b->SetChecked(true);
        QVERIFY(!a->Checked());
        QVERIFY(inPanel->Checked());
        auto *wa = qobject_cast<QRadioButton *>(a->Handle());
        QVERIFY(!wa->isChecked());
        QTest::mouseClick(wa, Qt::LeftButton, {}, QPoint(6, wa->height() / 2));
        QVERIFY(a->Checked());
        QVERIFY(!b->Checked());
        QVERIFY(!qobject_cast<QRadioButton *>(b->Handle())->isChecked());
    }

    void listBoxItemsAndIndexReachTheWidget()
    {
        TForm form(nullptr);
        Events events;
        auto *list = Place(new TListBox(&form), &form);
        list->OnClick = TNotifyEvent::Of<&Events::Clicked>(&events);
        list->Items()->SetCommaText(QStringLiteral("pear,apple,fig"));
        ShowForm(form);
        auto *w = qobject_cast<QListWidget *>(list->Handle());
        QCOMPARE(w->count(), 3);
        list->SetItemIndex(1);
        QCOMPARE(w->currentRow(), 1);
        QCOMPARE(events.clicks.size(), 0); // set by code: no click

        list->SetSorted(true);
        QCOMPARE(list->Items()->CommaText(), QStringLiteral("apple,fig,pear"));
        QCOMPARE(w->item(0)->text(), QStringLiteral("apple"));
        list->Items()->Add(QStringLiteral("banana"));
        QCOMPARE(list->Items()->IndexOf(QStringLiteral("banana")), 1);

        const QRect row = w->visualItemRect(w->item(2));
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(list->ItemIndex(), 2);
        QCOMPARE(events.clicks.size(), 1);

        list->Items()->Clear();
        QCOMPARE(list->ItemIndex(), -1);
        QCOMPARE(w->count(), 0);
    }

    void listBoxMultiSelection()
    {
        TForm form(nullptr);
        auto *list = Place(new TListBox(&form), &form);
        list->Items()->SetCommaText(QStringLiteral("a,b,c"));
        list->SetMultiSelect(true);
        list->SetSelected(0, true);
        list->SetSelected(2, true);
        ShowForm(form);
        auto *w = qobject_cast<QListWidget *>(list->Handle());
        QCOMPARE(w->selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(w->item(0)->isSelected());
        QVERIFY(!w->item(1)->isSelected());
        QCOMPARE(list->SelCount(), 2);
    }

    void comboBoxItemsAndText()
    {
        TForm form(nullptr);
        Events events;
        auto *combo = Place(new TComboBox(&form), &form);
        combo->OnChange = TNotifyEvent::Of<&Events::Changed>(&events);
        combo->Items()->SetCommaText(QStringLiteral("red,green,blue"));
        ShowForm(form);
        auto *w = qobject_cast<QComboBox *>(combo->Handle());
        QCOMPARE(w->count(), 3);
        QVERIFY(w->isEditable());
        combo->SetItemIndex(2);
        QCOMPARE(combo->Text(), QStringLiteral("blue"));
        QCOMPARE(w->currentText(), QStringLiteral("blue"));
        combo->SetText(QStringLiteral("purple"));
        QCOMPARE(w->lineEdit()->text(), QStringLiteral("purple"));
        QCOMPARE(combo->ItemIndex(), -1);

        combo->SetStyle(csDropDownList);
        QVERIFY(!w->isEditable());
        QCOMPARE(combo->Text(), QString()); // not an item
        combo->SetText(QStringLiteral("GREEN"));
        QCOMPARE(combo->ItemIndex(), 1);
        QCOMPARE(combo->Text(), QStringLiteral("green"));
        QCOMPARE(events.changes, 0); // nothing so far came from the user

        w->activated(0);
        QCOMPARE(combo->ItemIndex(), 0);
        QCOMPARE(combo->Text(), QStringLiteral("red"));
        QCOMPARE(events.changes, 1);
    }

    void scrollBarKeepsItsPositionInRange()
    {
        TForm form(nullptr);
        Events events;
        auto *bar = Place(new TScrollBar(&form), &form);
        bar->OnChange = TNotifyEvent::Of<&Events::Changed>(&events);
        ShowForm(form);
        auto *w = qobject_cast<QScrollBar *>(bar->Handle());
        bar->SetPosition(150);
        QCOMPARE(bar->Position(), 100);
        QCOMPARE(w->value(), 100);
        bar->SetPageSize(10);
        QCOMPARE(bar->Position(), 91); // the page must fit below Max
        QCOMPARE(w->maximum(), 91);
        bar->SetMin(-5);
        bar->SetPosition(-10);
        QCOMPARE(bar->Position(), -5);
        QVERIFY_THROWS_EXCEPTION(EInvalidOperation, bar->SetParams(0, 10, 5));
        QCOMPARE(events.changes, 3);
        bar->SetKind(sbVertical);
        QCOMPARE(bar->BoundsRect().size(), QSize(16, 121));
        QCOMPARE(w->orientation(), Qt::Vertical);
    }

    void groupBoxAlignsChildrenInsideItsFrame()
    {
        TForm form(nullptr);
        auto *group = Place(new TGroupBox(&form), &form);
        auto *inside = new TPanel(&form);
        inside->SetAlign(alClient);
        inside->SetParent(group);
        QVERIFY(group->ControlStyle() & csAcceptsControls);
        QCOMPARE(inside->BoundsRect(), QRect(2, 13, 185 - 4, 105 - 13 - 2));
    }

    void radioGroupButtonsFollowItems()
    {
        TForm form(nullptr);
        Events events;
        auto *group = Place(new TRadioGroup(&form), &form);
        group->OnClick = TNotifyEvent::Of<&Events::Clicked>(&events);
        group->Items()->SetCommaText(QStringLiteral("one,two,three,four"));
        group->SetItemIndex(1);
        ShowForm(form);
        auto buttons = group->Handle()->findChildren<QRadioButton *>();
        QCOMPARE(buttons.size(), 4);
        QVERIFY(buttons.at(1)->isChecked());
        QCOMPARE(buttons.at(2)->text(), QStringLiteral("three"));

        QRadioButton *fourth = buttons.at(3);
        QTest::mouseClick(fourth, Qt::LeftButton, {}, QPoint(6, fourth->height() / 2));
        QCOMPARE(group->ItemIndex(), 3);
        QVERIFY(!buttons.at(1)->isChecked());
        QCOMPARE(events.clicks.size(), 1);

        // Two columns, filled top to bottom.
        group->SetColumns(2);
        QCOMPARE(group->ButtonRect(2).left(), group->ButtonRect(3).left());
        QVERIFY(group->ButtonRect(2).left() > group->ButtonRect(1).left());
        QCOMPARE(group->ButtonRect(0).top(), group->ButtonRect(2).top());

        group->Items()->Delete(3);
        QCOMPARE(group->ItemIndex(), -1);
        QCOMPARE(group->Handle()->findChildren<QRadioButton *>().size(), 3);
    }

    void checkListBoxStatesTravelWithTheirItems()
    {
        TForm form(nullptr);
        Events events;
        auto *list = Place(new TCheckListBox(&form), &form);
        list->OnClickCheck = TNotifyEvent::Of<&Events::Changed>(&events);
        list->Items()->SetCommaText(QStringLiteral("c,a,b"));
        list->SetChecked(0, true);
        list->SetState(2, cbGrayed);
        list->SetSorted(true);
        QCOMPARE(list->Items()->CommaText(), QStringLiteral("a,b,c"));
        QCOMPARE(list->State(0), cbUnchecked);
        QCOMPARE(list->State(1), cbGrayed);
        QVERIFY(list->Checked(2));
        QCOMPARE(events.changes, 0); // set by code

        ShowForm(form);
        auto *w = qobject_cast<QListWidget *>(list->Handle());
        QCOMPARE(w->item(2)->checkState(), Qt::Checked);
        QCOMPARE(w->item(1)->checkState(), Qt::PartiallyChecked);
        w->item(0)->setCheckState(Qt::Checked); // what a click on the box does
        QVERIFY(list->Checked(0));
        QCOMPARE(events.changes, 1);
        list->ToggleItem(2); // without AllowGrayed, checked goes back to unchecked
        QCOMPARE(list->State(2), cbUnchecked);
        QCOMPARE(w->item(2)->checkState(), Qt::Unchecked);
    }

    void focusControlIsClearedWhenFreed()
    {
        TForm form(nullptr);
        auto *label = Place(new TLabel(&form), &form);
        auto *text = Place(new TStaticText(&form), &form);
        auto *edit = Place(new TEdit(&form), &form);
        label->SetFocusControl(edit);
        text->SetFocusControl(edit);
        Free(edit);
        QCOMPARE(label->FocusControl(), nullptr);
        QCOMPARE(text->FocusControl(), nullptr);
    }

    // Every class created, shown, given a value for each published property through the
    // type information, and freed; AddressSanitizer watches.
    void everyClassTakesEveryPropertyAndFrees_data()
    {
        QTest::addColumn<QString>("cls");
        for (TClass c : kClasses)
            QTest::newRow(c->Name) << c->ClassName();
    }
    void everyClassTakesEveryPropertyAndFrees()
    {
        QFETCH(QString, cls);
        TForm form(nullptr);
        auto *c = static_cast<TControl *>(ClassNamed(cls)->Create(&form));
        c->SetParent(&form);
        ShowForm(form);
        for (const TPropInfo *p : GetPropList(c)) {
            // Name has its own rules and Align moves the control: both tested elsewhere.
            if (!p->HasWrite || p->Name == QLatin1String("Name")
                || p->Name == QLatin1String("Align"))
                continue;
            const PTypeInfo t = p->PropType;
            switch (t->Kind) {
            case KindEnumeration:
                SetOrdProp(c, p, t->MaxValue);
                QCOMPARE(GetOrdProp(c, p), t->MaxValue);
                break;
            case KindInteger:
            case KindChar:
                // A property may refuse a value with an error (a scroll bar's PageSize
                // larger than its range); the control stays usable.
                try {
                    SetOrdProp(c, p, std::clamp<qint64>(5, t->MinValue, t->MaxValue));
                } catch (const Exception &) {
                }
                break;
            case KindSet:
                SetOrdProp(c, p, 0xF);
                break;
            case KindLongString:
                SetStrProp(c, p, QStringLiteral("Value1"));
                break;
            default:
                break;
            }
        }
        QTest::qWait(1);
        Free(c);
        QCOMPARE(form.ControlCount(), 0);
    }

    void oemConvertTurnsWhatCodePage437LacksIntoQuestionMarks_data()
    {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<bool>("oem");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::newRow("letter the code page has") << "TEdit" << true << "a\u00E9" << "a\u00E9";
        QTest::newRow("letter it lacks") << "TEdit" << true << "\u00F8" << "?";
        QTest::newRow("euro sign") << "TEdit" << true << "\u20AC" << "?";
        QTest::newRow("pound sign and sharp s, which it has")
            << "TEdit" << true << "\u00A3\u00DF" << "\u00A3\u00DF";
        QTest::newRow("OEMConvert off") << "TEdit" << false << "\u00F8" << "\u00F8";
        QTest::newRow("memo") << "TMemo" << true << "x\u00F8" << "x?";
        QTest::newRow("masked edit") << "TMaskEdit" << true << "\u00C0" << "?";
    }
    void oemConvertTurnsWhatCodePage437LacksIntoQuestionMarks()
    {
        QFETCH(QString, cls);
        QFETCH(bool, oem);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        TForm form(nullptr);
        auto *edit = Place(static_cast<TCustomEdit *>(ClassNamed(cls)->Create(&form)), &form);
        edit->SetOEMConvert(oem);
        ShowForm(form);
        QWidget *w = edit->Handle();
        // Characters as a keyboard layout sends them: no key code of their own.
        for (const QChar ch : typed)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QCOMPARE(edit->Text(), text);
    }

    void hideSelectionHidesTheSelectionWithoutTheFocus_data()
    {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<bool>("hide");
        QTest::newRow("edit, hidden") << "TEdit" << true;
        QTest::newRow("edit, shown") << "TEdit" << false;
        QTest::newRow("memo, hidden") << "TMemo" << true;
        QTest::newRow("memo, shown") << "TMemo" << false;
    }
    void hideSelectionHidesTheSelectionWithoutTheFocus()
    {
        QFETCH(QString, cls);
        QFETCH(bool, hide);
        TForm form(nullptr);
        auto *edit = Place(static_cast<TCustomEdit *>(ClassNamed(cls)->Create(&form)), &form);
        auto *other = Place(new TEdit(&form), &form, 8, 120);
        edit->SetHideSelection(hide);
        edit->SetText(QStringLiteral("selected words"));
        ShowForm(form);
        form.Handle()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.Handle()));
        QWidget *w = edit->Handle();
        edit->SetFocus();
        QTRY_VERIFY(w->hasFocus());
        if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
            memo->selectAll();
        else
            edit->SelectAll();
        auto highlighted = [&] {
            const QImage image = w->grab().toImage();
            const QRgb ink = ColorToQColor(clHighlight).rgb();
            int count = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    count += image.pixel(x, y) == ink ? 1 : 0;
            }
            return count;
        };
        QVERIFY(highlighted() > 50);
        other->SetFocus();
        QTRY_VERIFY(!w->hasFocus());
        // The selection stays, shown or not; it shows again with the focus.
        if (auto *line = qobject_cast<QLineEdit *>(w))
            QCOMPARE(line->selectedText(), QStringLiteral("selected words"));
        else
            QVERIFY(qobject_cast<QPlainTextEdit *>(w)->textCursor().hasSelection());
        QCOMPARE(highlighted() == 0, hide);
        edit->SetHideSelection(!hide);
        QCOMPARE(highlighted() == 0, !hide);
        edit->SetFocus();
        QTRY_VERIFY(w->hasFocus());
        QVERIFY(highlighted() > 50);
    }
};

QTEST_MAIN(StdCtrlsTest)
#include "tst_stdctrls.moc"
