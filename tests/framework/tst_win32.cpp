// The common controls of the "Win32" palette page: page control and tab sheets, track bar,
// progress bar, up-down, hot key, animation, date and time picker, header control, rich edit.

#define QTEST_QPA_MOUSE_HANDLING
#include "Application.h"
#include "ComCtrlsAnimate.h"
#include "ComCtrlsHeader.h"
#include "ComCtrlsInput.h"
#include "ComCtrlsPages.h"
#include "ComCtrlsRanges.h"
#include "ComCtrlsRichEdit.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "PropertySweep.h"
#include "PublishedTypeChecks.h"
#include "ShortCuts.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTextEdit>
#include <QtTest>

namespace {

struct Events
{
    void Changed(TObject *) { ++changes; }
    void Changing(TObject *, bool &allow)
    {
        ++changings;
        allow = allowChange;
    }
    void SectionClicked(TObject *, THeaderSection *section) { clicked.append(section); }
    void Started(TObject *) { log << "start"; }
    void Stopped(TObject *) { log << "stop"; }
    int changes = 0;
    int changings = 0;
    bool allowChange = true;
    QList<THeaderSection *> clicked;
    QStringList log;
};

} // namespace

class Win32Test : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TApplication> m_app;
    std::unique_ptr<TForm> m_form;

    template<class T> T *Make(const QRect &bounds = QRect())
    {
        auto *c = new T(m_form.get());
        if (!bounds.isNull())
            c->SetBoundsRect(bounds);
        c->SetParent(m_form.get());
        return c;
    }

    TPageControl *ThreePages(QList<TTabSheet *> &sheets)
    {
        auto *pages = Make<TPageControl>(QRect(10, 10, 300, 200));
        for (const char *caption : {"One", "Two", "Three"}) {
            auto *sheet = new TTabSheet(m_form.get());
            sheet->SetCaption(QString::fromLatin1(caption));
            sheet->SetPageControl(pages);
            sheets << sheet;
        }
        return pages;
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        m_app = std::make_unique<TApplication>(nullptr);
        m_form = std::make_unique<TForm>(nullptr);
        m_form->SetBounds(0, 0, 500, 400);
    }
    void cleanup()
    {
        m_form.reset();
        m_app.reset();
    }

    void publishedTypesAndDefaults_data()
    {
        AddPublishedTypeColumns();
        const auto row = AddPublishedTypeRow;
        const qint64 none = TPropInfo::NoDefault;
        row(TPageControl::StaticClass(), "ActivePage", TTabSheet::StaticClass()->ClassTypeInfo(),
            none);
        row(TPageControl::StaticClass(), "Style", TypeInfoTTabStyle(), tsTabs);
        row(TPageControl::StaticClass(), "TabPosition", TypeInfoTTabPosition(), tpTop);
        row(TPageControl::StaticClass(), "OnChanging", TypeInfoTTabChangingEvent(), none);
        row(TTabSheet::StaticClass(), "TabVisible", TypeInfoBoolean(), 1);
        row(TTabSheet::StaticClass(), "ImageIndex", TypeInfoTImageIndex(), -1);
        row(TTabSheet::StaticClass(), "Caption", TypeInfoTCaption(), none);
        row(TTrackBar::StaticClass(), "Max", TypeInfoInteger(), 10);
        row(TTrackBar::StaticClass(), "Frequency", TypeInfoInteger(), 1);
        row(TTrackBar::StaticClass(), "TickStyle", TypeInfoTTickStyle(), tsAuto);
        row(TTrackBar::StaticClass(), "TickMarks", TypeInfoTTickMark(), tmBottomRight);
        row(TProgressBar::StaticClass(), "Max", TypeInfoInteger(), 100);
        row(TProgressBar::StaticClass(), "Step", TypeInfoInteger(), 10);
        row(TUpDown::StaticClass(), "Associate", TWinControl::StaticClass()->ClassTypeInfo(),
            none);
        row(TUpDown::StaticClass(), "Orientation", TypeInfoTUDOrientation(), udVertical);
        row(TUpDown::StaticClass(), "AlignButton", TypeInfoTUDAlignButton(), udRight);
        row(TUpDown::StaticClass(), "Thousands", TypeInfoBoolean(), 1);
        row(THotKey::StaticClass(), "HotKey", TypeInfoTShortCut(), scAlt | 'A');
        row(THotKey::StaticClass(), "InvalidKeys", TypeInfoTHKInvalidKeys(), 3);
        row(THotKey::StaticClass(), "Modifiers", TypeInfoTHKModifiers(), 4);
        row(TAnimate::StaticClass(), "CommonAVI", TypeInfoTCommonAVI(), aviNone);
        row(TAnimate::StaticClass(), "FileName", TypeInfoString(), none);
        row(TDateTimePicker::StaticClass(), "Date", TypeInfoTDateTime(), none);
        row(TDateTimePicker::StaticClass(), "Time", TypeInfoTDateTime(), none);
        row(TDateTimePicker::StaticClass(), "Kind", TypeInfoTDateTimeKind(), dtkDate);
        row(TDateTimePicker::StaticClass(), "DateMode", TypeInfoTDTDateMode(), dmComboBox);
        row(THeaderControl::StaticClass(), "Align", TypeInfoTAlign(), alTop);
        row(THeaderControl::StaticClass(), "Style", TypeInfoTHeaderStyle(), hsButtons);
        row(THeaderSection::StaticClass(), "MaxWidth", TypeInfoInteger(), 10000);
        row(THeaderSection::StaticClass(), "Text", TypeInfoString(), none);
        row(TRichEdit::StaticClass(), "HideScrollBars", TypeInfoBoolean(), 1);
        row(TRichEdit::StaticClass(), "PlainText", TypeInfoBoolean(), 0);
        row(TRichEdit::StaticClass(), "ScrollBars", TypeInfoTScrollStyle(), ssNone);
        row(TTabControl::StaticClass(), "TabIndex", TypeInfoInteger(), -1);
    }
    void publishedTypesAndDefaults()
    {
        VerifyPublishedTypeAndDefault();
    }

    void classicAncestry()
    {
        QCOMPARE(TPageControl::StaticClass()->Parent, TCustomTabControl::StaticClass());
        QCOMPARE(TTabControl::StaticClass()->Parent, TCustomTabControl::StaticClass());
        QCOMPARE(TUpDown::StaticClass()->Parent, TCustomUpDown::StaticClass());
        QCOMPARE(THotKey::StaticClass()->Parent, TCustomHotKey::StaticClass());
        QCOMPARE(TDateTimePicker::StaticClass()->Parent, TCommonCalendar::StaticClass());
        QCOMPARE(THeaderControl::StaticClass()->Parent, TCustomHeaderControl::StaticClass());
        QCOMPARE(TRichEdit::StaticClass()->Parent, TCustomRichEdit::StaticClass());
        QVERIFY(TRichEdit::StaticClass()->InheritsFrom(TCustomMemo::StaticClass()));
    }

    void pagesWrapRoundAsTheUserPages()
    {
        QList<TTabSheet *> s;
        TPageControl *pages = ThreePages(s);
        QCOMPARE(pages->PageCount(), 3);
        QCOMPARE(pages->ActivePage(), s[0]); // the first page shows
        QCOMPARE(pages->Tabs()->ToStringList(), QStringList({"One", "Two", "Three"}));
        pages->SelectNextPage(false);
        QCOMPARE(pages->ActivePage(), s[2]);
        pages->SelectNextPage(true);
        QCOMPARE(pages->ActivePage(), s[0]);
        // A page without a tab is passed over, unless asked not to.
        s[1]->SetTabVisible(false);
        QCOMPARE(pages->Tabs()->Count(), 2);
        pages->SelectNextPage(true);
        QCOMPARE(pages->ActivePage(), s[2]);
        QCOMPARE(pages->TabIndex(), 1);
        pages->SelectNextPage(false, false);
        QCOMPARE(pages->ActivePage(), s[1]);
        QCOMPARE(pages->TabIndex(), -1);
        // Only the active sheet is visible.
        QVERIFY(s[1]->Visible());
        QVERIFY(!s[0]->Visible() && !s[2]->Visible());
    }

    void pagingAsksOnChangingAndTellsOnChange()
    {
        QList<TTabSheet *> s;
        TPageControl *pages = ThreePages(s);
        Events events;
        pages->OnChanging = TTabChangingEvent::Of<&Events::Changing>(&events);
        pages->OnChange = TNotifyEvent::Of<&Events::Changed>(&events);
        events.allowChange = false;
        quint16 key = VK_TAB;
        pages->KeyDown(key, ssCtrl);
        QCOMPARE(pages->ActivePage(), s[0]);
        QCOMPARE(events.changings, 1);
        QCOMPARE(events.changes, 0);
        events.allowChange = true;
        key = VK_TAB;
        pages->KeyDown(key, ssCtrl | ssShift);
        QCOMPARE(pages->ActivePage(), s[2]);
        QCOMPARE(events.changes, 1);
        // Setting the page by code asks nobody.
        pages->SetActivePageIndex(1);
        QCOMPARE(pages->ActivePage(), s[1]);
        QCOMPARE(events.changings, 2);
    }

    void clickingATabShowsItsPage()
    {
        QList<TTabSheet *> s;
        TPageControl *pages = ThreePages(s);
        Events events;
        pages->OnChange = TNotifyEvent::Of<&Events::Changed>(&events);
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->Handle()));
        const QRect tab = pages->TabRect(2);
        QVERIFY(!tab.isEmpty());
        QTest::mouseClick(pages->Handle(), Qt::LeftButton, {}, tab.center());
        QCOMPARE(pages->ActivePage(), s[2]);
        QCOMPARE(events.changes, 1);
        QCOMPARE(s[2]->BoundsRect(), pages->DisplayRect());
        QVERIFY(s[2]->Handle()->isVisible());
        QVERIFY(!s[0]->Handle()->isVisible());
    }

    void deletingTheActiveSheetShowsTheNext_data()
    {
        QTest::addColumn<int>("active");
        QTest::addColumn<int>("expected"); // index into the sheets as created
        QTest::newRow("first") << 0 << 1;
        QTest::newRow("middle") << 1 << 2;
        QTest::newRow("last wraps to first") << 2 << 0;
    }
    void deletingTheActiveSheetShowsTheNext()
    {
        QFETCH(int, active);
        QFETCH(int, expected);
        QList<TTabSheet *> s;
        TPageControl *pages = ThreePages(s);
        pages->SetActivePage(s[active]);
        Free(s[active]);
        QCOMPARE(pages->PageCount(), 2);
        QCOMPARE(pages->ActivePage(), s[expected]);
        QCOMPARE(pages->Tabs()->Count(), 2);
        QCOMPARE(pages->TabIndex(), s[expected]->TabIndex());
    }

    void sheetsFollowTheirPageControl()
    {
        QList<TTabSheet *> s;
        TPageControl *pages = ThreePages(s);
        s[2]->SetPageIndex(0);
        QCOMPARE(pages->Pages(0), s[2]);
        QCOMPARE(pages->Tabs()->Strings(0), QString("Three"));
        s[0]->SetCaption("First");
        QCOMPARE(pages->Tabs()->Strings(1), QString("First"));
        // Moving a sheet out of the page control takes its page away.
        s[1]->SetParent(m_form.get());
        QCOMPARE(pages->PageCount(), 2);
        QCOMPARE(s[1]->PageControl(), nullptr);
        // Setting the parent to a page control makes a page of it.
        s[1]->SetParent(pages);
        QCOMPARE(s[1]->PageIndex(), 2);
        QVERIFY_THROWS_EXCEPTION(EListError, pages->Pages(3));
        // Freeing the page control frees the sheets it holds, and nothing dangles.
        Free(pages);
        QCOMPARE(m_form->ComponentCount(), 0);
    }

    void tabsOfTheStyleAndPositionChosen()
    {
        auto *pages = Make<TPageControl>(QRect(0, 0, 200, 100));
        const QRect top = pages->DisplayRect();
        pages->SetTabPosition(tpBottom);
        QVERIFY(pages->DisplayRect().top() < top.top());
        QCOMPARE(pages->DisplayRect().height(), top.height());
        // Buttons go with tabs at the top only.
        QVERIFY_THROWS_EXCEPTION(EInvalidOperation, pages->SetStyle(tsButtons));
        pages->SetTabPosition(tpTop);
        pages->SetStyle(tsButtons);
        // Buttons have no page frame around the display area.
        QCOMPARE(pages->DisplayRect().left(), 0);
        pages->SetTabHeight(30);
        QCOMPARE(pages->TabHeight(), 30);
    }

    void trackBarKeepsPositionInRangeAndDrivesTheSlider()
    {
        auto *t = Make<TTrackBar>();
        Events events;
        t->OnChange = TNotifyEvent::Of<&Events::Changed>(&events);
        m_form->Show();
        auto *slider = static_cast<QSlider *>(t->Handle());
        t->SetPosition(25);
        QCOMPARE(t->Position(), 10);
        QCOMPARE(slider->value(), 10);
        QCOMPARE(events.changes, 1);
        t->SetMax(5);
        QCOMPARE(t->Position(), 5);
        t->SetTickMarks(tmBoth);
        QCOMPARE(slider->tickPosition(), QSlider::TicksBothSides);
        t->SetTickStyle(tsNone);
        QCOMPARE(slider->tickPosition(), QSlider::NoTicks);
        t->SetOrientation(trVertical);
        QCOMPARE(t->BoundsRect().size(), QSize(45, 150));
        QCOMPARE(slider->orientation(), Qt::Vertical);
        slider->setValue(2); // the user drags
        QCOMPARE(t->Position(), 2);
        QCOMPARE(events.changes, 2);
    }

    void progressBarStepsAndFills()
    {
        auto *p = Make<TProgressBar>();
        QCOMPARE(p->FilledRect(), QRect());
        p->SetPosition(50);
        QCOMPARE(p->FilledRect().width(), (150 - 2) / 2);
        for (int i = 0; i < 5; ++i)
            p->StepIt();
        QCOMPARE(p->Position(), 100);
        p->StepIt(); // past the end it starts over
        QCOMPARE(p->Position(), 9);
        p->SetPosition(-5);
        QCOMPARE(p->Position(), 0);
        m_form->Show();
        p->SetPosition(100);
        p->SetSmooth(true);
        const QImage img = p->Handle()->grab().toImage();
        QCOMPARE(img.pixel(75, 8), ColorToQColor(clHighlight).rgb());
    }

    void upDownStepsWithinItsRange_data()
    {
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("expected");
        QTest::newRow("up") << false << 5 << int(TUDBtnType::btNext) << 7;
        QTest::newRow("down") << false << 5 << int(TUDBtnType::btPrev) << 3;
        QTest::newRow("stops at max") << false << 9 << int(TUDBtnType::btNext) << 10;
        QTest::newRow("stops at min") << false << 1 << int(TUDBtnType::btPrev) << 0;
        QTest::newRow("wraps past max") << true << 10 << int(TUDBtnType::btNext) << 0;
        QTest::newRow("wraps past min") << true << 0 << int(TUDBtnType::btPrev) << 10;
    }
    void upDownStepsWithinItsRange()
    {
        QFETCH(bool, wrap);
        QFETCH(int, start);
        QFETCH(int, button);
        QFETCH(int, expected);
        auto *u = Make<TUpDown>();
        u->SetMax(10);
        u->SetIncrement(2);
        u->SetWrap(wrap);
        u->SetPosition(start);
        u->Press(TUDBtnType(button));
        QCOMPARE(u->Position(), expected);
    }

    void upDownClickOnItsHalves()
    {
        auto *u = Make<TUpDown>(QRect(10, 10, 16, 24));
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->Handle()));
        QTest::mouseClick(u->Handle(), Qt::LeftButton, {}, QPoint(8, 4));
        QCOMPARE(u->Position(), 1);
        u->MouseDown(mbLeft, 0, 8, 4);
        u->MouseUp(mbLeft, 0, 8, 4);
        QCOMPARE(u->Position(), 2);
        u->MouseDown(mbLeft, 0, 8, 20);
        u->MouseUp(mbLeft, 0, 8, 20);
        QCOMPARE(u->Position(), 1);
        // A horizontal up-down steps up on its right half.
        u->SetOrientation(udHorizontal);
        u->MouseDown(mbLeft, 0, 20, 8);
        u->MouseUp(mbLeft, 0, 20, 8);
        QCOMPARE(u->Position(), 2);
    }

    void upDownShowsItsPositionInTheAssociate()
    {
        auto *edit = Make<TEdit>(QRect(10, 10, 100, 21));
        auto *u = Make<TUpDown>();
        u->SetMax(5000);
        u->SetPosition(1234);
        SetOrdProp(u, GetPropInfo(u, "Associate"),
                   qint64(reinterpret_cast<std::intptr_t>(static_cast<TObject *>(edit))));
        QCOMPARE(edit->Text(), QString("1,234"));
        // The buttons take their room from the associate's right side.
        QCOMPARE(edit->Width(), 100 - 16);
        QCOMPARE(u->BoundsRect(), QRect(10 + 84, 10, 16, edit->Height()));
        u->SetThousands(false);
        QCOMPARE(edit->Text(), QString("1234"));
        QVERIFY_THROWS_EXCEPTION(EInvalidOperation, u->SetAssociate(u));
    }

    void upDownAssociateClearedWhenTheAssociateIsFreed()
    {
        auto *edit = Make<TEdit>(QRect(10, 10, 100, 21));
        auto *u = Make<TUpDown>();
        u->SetAssociate(edit);
        Free(edit);
        QCOMPARE(u->Associate(), nullptr);
        QCOMPARE(GetObjectProp(u, GetPropInfo(u, "Associate")), nullptr);
        u->SetPosition(3); // must not reach the freed control
        QCOMPARE(u->Position(), 3);
    }

    void hotKeyTakesTheNextKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QString>("text");
        QTest::newRow("ctrl+s") << int('S') << int(ssCtrl) << "Ctrl+S";
        // A bare key or Shift alone are invalid combinations: Modifiers (Alt) go instead.
        QTest::newRow("bare key") << int('K') << 0 << "Alt+K";
        QTest::newRow("shift only") << int('K') << int(ssShift) << "Alt+K";
        QTest::newRow("shift+ctrl") << int(VK_F2) << int(ssShift | ssCtrl) << "Shift+Ctrl+F2";
    }
    void hotKeyTakesTheNextKey()
    {
        QFETCH(int, key);
        QFETCH(int, shift);
        QFETCH(QString, text);
        auto *h = Make<THotKey>();
        Events events;
        h->OnChange = TNotifyEvent::Of<&Events::Changed>(&events);
        m_form->Show();
        quint16 k = quint16(key);
        QVERIFY(h->KeyDown(k, TShiftState(shift)));
        QCOMPARE(ShortCutToText(h->HotKey()), text);
        QCOMPARE(static_cast<QLineEdit *>(h->Handle())->text(), text);
        QCOMPARE(events.changes, 1);
    }

    void pickerSplitsAndJoinsDateAndTime()
    {
        auto *d = Make<TDateTimePicker>();
        m_form->Show();
        d->SetDateTime(45000.75);
        QCOMPARE(d->Date(), 45000.0);
        QCOMPARE(d->Time(), 0.75);
        SetFloatProp(d, GetPropInfo(d, "Time"), 0.5);
        QCOMPARE(d->DateTime(), 45000.5);
        SetFloatProp(d, GetPropInfo(d, "Date"), 44000.0);
        QCOMPARE(d->DateTime(), 44000.5);
        auto *edit = d->Handle()->findChild<QDateTimeEdit *>();
        QCOMPARE(edit->date(), DateOf(44000.0));
        // Limits keep the value inside them.
        d->SetMinDate(44500.0);
        QCOMPARE(d->Date(), 44500.0);
        QVERIFY_THROWS_EXCEPTION(EInvalidOperation, d->SetMaxDate(44000.0));
        d->SetKind(dtkTime);
        QVERIFY(edit->displayFormat().contains(QLatin1String("ss")));
        QVERIFY(!edit->calendarPopup());
        d->SetShowCheckbox(true);
        d->SetChecked(false);
        QVERIFY(!edit->isEnabled());
    }

    void headerSectionsClickAndResize()
    {
        auto *h = Make<THeaderControl>();
        Events events;
        h->OnSectionClick = TSectionNotifyEvent::Of<&Events::SectionClicked>(&events);
        THeaderSection *a = h->Sections()->Add();
        THeaderSection *b = h->Sections()->Add();
        a->SetWidth(60);
        b->SetMinWidth(10);
        QCOMPARE(b->Left(), 60);
        QCOMPARE(h->SectionAt(70), 1);
        QCOMPARE(h->DividerAt(61), 0);
        // Dragging the first divider widens the first section and moves the second.
        h->MouseDown(mbLeft, 0, 60, 5);
        h->MouseMove(ssLeft, 90, 5);
        h->MouseUp(mbLeft, 0, 90, 5);
        QCOMPARE(a->Width(), 90);
        QCOMPARE(b->Left(), 90);
        h->MouseDown(mbLeft, 0, 110, 5);
        h->MouseUp(mbLeft, 0, 110, 5);
        QCOMPARE(events.clicked, QList<THeaderSection *>({b}));
        b->SetAllowClick(false);
        h->MouseDown(mbLeft, 0, 110, 5);
        h->MouseUp(mbLeft, 0, 110, 5);
        QCOMPARE(events.clicked.size(), 1);
        b->SetWidth(5);
        QCOMPARE(b->Width(), 10); // not below MinWidth
    }

    void animateShowsAPlaceholderClip()
    {
        auto *a = Make<TAnimate>();
        Events events;
        a->OnStart = TNotifyEvent::Of<&Events::Started>(&events);
        a->OnStop = TNotifyEvent::Of<&Events::Stopped>(&events);
        QVERIFY_THROWS_EXCEPTION(EInvalidOperation, a->SetActive(true));
        a->SetCommonAVI(aviCopyFiles);
        QVERIFY(a->Open());
        QCOMPARE(a->BoundsRect().size(), QSize(a->FrameWidth(), a->FrameHeight()));
        a->SetRepetitions(1);
        a->SetStopFrame(3);
        a->SetActive(true);
        QVERIFY(a->Active());
        QTRY_VERIFY(!a->Active());
        QCOMPARE(a->CurrentFrame(), 3);
        QCOMPARE(events.log, QStringList({"start", "stop"}));
        a->SetFileName("/tmp/clip.avi");
        QCOMPARE(a->CommonAVI(), aviNone);
    }

    void bottomTabsAreHitWhereTheyAreDrawn()
    {
        auto *tabs = Make<TTabControl>(QRect(10, 10, 250, 120));
        tabs->Tabs()->SetText("Left\nMiddle\nRight");
        tabs->SetTabPosition(tpBottom);
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->Handle()));
        const QRect tab = tabs->TabRect(1);
        QVERIFY(tab.top() > tabs->DisplayRect().bottom());
        QTest::mouseClick(tabs->Handle(), Qt::LeftButton, {}, tab.center());
        QCOMPARE(tabs->TabIndex(), 1);
    }

    void sheetBorderWidthShrinksItsClient()
    {
        QList<TTabSheet *> s;
        ThreePages(s);
        auto *child = new TPanel(m_form.get());
        child->SetParent(s[0]);
        child->SetAlign(alClient);
        s[0]->SetBorderWidth(5);
        QCOMPARE(child->BoundsRect(), s[0]->ClientRect().adjusted(5, 5, -5, -5));
    }

    void progressBarFillsUpwardsWhenVertical()
    {
        auto *p = Make<TProgressBar>();
        p->SetOrientation(pbVertical);
        QCOMPARE(p->BoundsRect().size(), QSize(16, 150));
        p->SetPosition(25);
        const QRect filled = p->FilledRect();
        QCOMPARE(filled.bottom(), 150 - 2);
        QCOMPARE(filled.height(), 37); // a quarter of the 148 inner pixels, rounded
    }

    void hotKeyBackspaceClearsAndModifiersAloneChangeNothing()
    {
        auto *h = Make<THotKey>();
        quint16 key = VK_SHIFT;
        QVERIFY(!h->KeyDown(key, ssShift));
        QCOMPARE(h->HotKey(), quint16(scAlt | 'A'));
        key = VK_BACK;
        h->KeyDown(key, 0);
        QCOMPARE(h->HotKey(), quint16(0));
        // With no invalid combinations a bare key stays bare.
        h->SetInvalidKeys(0);
        QCOMPARE(h->ShortCutOf('Q', 0), quint16('Q'));
    }

    void pickerTakesTheUsersDate()
    {
        auto *d = Make<TDateTimePicker>();
        Events events;
        d->OnChange = TNotifyEvent::Of<&Events::Changed>(&events);
        d->SetDateTime(45000.25);
        m_form->Show();
        auto *edit = d->Handle()->findChild<QDateTimeEdit *>();
        edit->setDate(DateOf(45010.0)); // as the user picks it
        QCOMPARE(d->Date(), 45010.0);
        QCOMPARE(d->Time(), 0.25);
        QCOMPARE(events.changes, 1);
        d->SetDateTime(45020.0); // by code: no OnChange
        QCOMPARE(events.changes, 1);
    }

    void headerSharesWidthAmongAutoSizedSections()
    {
        auto *h = Make<THeaderControl>();
        h->SetAlign(alNone);
        h->SetBounds(0, 0, 300, 17);
        THeaderSection *fixed = h->Sections()->Add();
        fixed->SetWidth(100);
        for (int i = 0; i < 2; ++i)
            h->Sections()->Add()->SetAutoSize(true);
        h->AdjustSectionWidths();
        QCOMPARE(h->Sections()->Items(1)->Width(), 100);
        QCOMPARE(h->Sections()->Items(2)->Left(), 200);
        h->SetWidth(500);
        QCOMPARE(h->Sections()->Items(2)->Width(), 200);
        QCOMPARE(h->Sections()->Items(1)->DisplayName(), QString("THeaderSection"));
    }

    void animateSeeksAndResets()
    {
        auto *a = Make<TAnimate>();
        a->SetFileName("clip.avi");
        a->Seek(7);
        QCOMPARE(a->CurrentFrame(), 7);
        a->Seek(1000);
        QCOMPARE(a->CurrentFrame(), a->FrameCount());
        a->Reset();
        QCOMPARE(a->CurrentFrame(), 1);
        a->SetFileName(QString());
        QVERIFY(!a->Open());
        QCOMPARE(a->CurrentFrame(), 0);
    }

    // The clip comes from one source at a time; Open closes and reopens it without losing the
    // source, and cannot open without one.
    void animateOpensOneClipSource_data()
    {
        QTest::addColumn<QString>("source"); // the property set last
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("kept");    // "Property=value" of each source afterwards
        QTest::newRow("resource name") << "ResName" << "SEARCH"
                                       << "CommonAVI=0 FileName= ResName=SEARCH ResId=0";
        QTest::newRow("resource number") << "ResId" << "17"
                                         << "CommonAVI=0 FileName= ResName= ResId=17";
        QTest::newRow("file") << "FileName" << "clip.avi"
                              << "CommonAVI=0 FileName=clip.avi ResName= ResId=0";
        QTest::newRow("common clip") << "CommonAVI" << "3"
                                     << "CommonAVI=3 FileName= ResName= ResId=0";
    }
    void animateOpensOneClipSource()
    {
        QFETCH(QString, source);
        QFETCH(QString, value);
        QFETCH(QString, kept);
        auto *a = Make<TAnimate>();
        QVERIFY(!a->Open());
        QCOMPARE(a->FrameCount(), 0);
        QVERIFY_THROWS_EXCEPTION(EInvalidOperation, a->SetOpen(true));
        a->SetResName(QStringLiteral("FIRST"));
        a->SetResId(5);
        a->SetFileName(QStringLiteral("first.avi"));
        const TPropInfo *p = GetPropInfo(a, source);
        if (p->PropType->Kind == KindLongString)
            SetStrProp(a, p, value);
        else
            SetOrdProp(a, p, value.toLongLong());
        auto sources = [a] {
            QStringList list;
            for (const char *name : {"CommonAVI", "FileName", "ResName", "ResId"}) {
                const TPropInfo *q = GetPropInfo(a, name);
                list << QStringLiteral("%1=%2").arg(
                    name, q->PropType->Kind == KindLongString ? GetStrProp(a, q)
                                                              : QString::number(GetOrdProp(a, q)));
            }
            return list.join(QLatin1Char(' '));
        };
        QCOMPARE(sources(), kept);
        QVERIFY(a->Open());
        QCOMPARE(a->FrameCount(), 16);
        QCOMPARE(a->CurrentFrame(), 1);
        a->SetOpen(false);
        QCOMPARE(a->FrameCount(), 0);
        QCOMPARE(a->CurrentFrame(), 0);
        QCOMPARE(sources(), kept); // the source stays
        a->SetOpen(true);
        QCOMPARE(a->FrameWidth(), 80);
    }

    // The calendar that drops down shows the picker's CalColors.
    void dateTimePickerCalendarTakesCalColors()
    {
        auto *d = Make<TDateTimePicker>();
        TMonthCalColors *colors = d->CalColors();
        QCOMPARE(colors->MonthBackColor(), clWhite);
        QCOMPARE(colors->TitleBackColor(), clActiveCaption);
        m_form->Show();
        colors->SetMonthBackColor(clYellow);
        colors->SetTextColor(clNavy);
        colors->SetTrailingTextColor(clGray);
        QDateTimeEdit *edit = d->Handle()->findChild<QDateTimeEdit *>();
        QVERIFY(edit && edit->calendarWidget());
        const QPalette pal = edit->calendarWidget()->palette();
        QCOMPARE(pal.color(QPalette::Base), ColorToQColor(clYellow));
        QCOMPARE(pal.color(QPalette::Text), ColorToQColor(clNavy));
        QCOMPARE(pal.color(QPalette::Disabled, QPalette::Text), ColorToQColor(clGray));
        // Assigned as a whole, as the inspector's sub-properties are, and to a copy.
        TDateTimePicker copy(nullptr);
        copy.SetCalColors(colors);
        QCOMPARE(copy.CalColors()->TextColor(), clNavy);
    }

    void richEditHidesScrollBarsUntilNeeded()
    {
        auto *r = Make<TRichEdit>();
        m_form->Show();
        auto *w = qobject_cast<QTextEdit *>(r->Handle());
        QVERIFY(w);
        r->SetScrollBars(ssVertical);
        QCOMPARE(w->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        r->SetHideScrollBars(false);
        QCOMPARE(w->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        r->Lines()->SetText("first\nsecond");
        QCOMPARE(w->toPlainText(), QString("first\nsecond"));
    }

    void everyClassCreatesShowsChangesAndFrees_data()
    {
        QTest::addColumn<void *>("cls");
        QTest::addColumn<QStringList>("refused");
        auto row = [](TClass cls, QStringList refused = {}) {
            QTest::addRow("%s", cls->Name)
                << const_cast<void *>(static_cast<const void *>(cls)) << refused;
        };
        row(TPageControl::StaticClass());
        row(TTabSheet::StaticClass());
        row(TTrackBar::StaticClass());
        row(TProgressBar::StaticClass());
        row(TUpDown::StaticClass());
        row(THotKey::StaticClass());
        // Playing needs a clip, which the sweep only chooses later.
        row(TAnimate::StaticClass(), {"TAnimate.Active: Cannot open AVI"});
        row(TDateTimePicker::StaticClass());
        row(THeaderControl::StaticClass());
        row(TRichEdit::StaticClass());
        row(TTabControl::StaticClass());
    }
    void everyClassCreatesShowsChangesAndFrees()
    {
        QFETCH(void *, cls);
        QFETCH(QStringList, refused);
        auto *control = static_cast<TControl *>(static_cast<TClass>(cls)->Create(m_form.get()));
        control->SetParent(m_form.get());
        control->Show(); // a tab sheet starts hidden
        m_form->Show();
        QVERIFY(control->Showing());
        QCOMPARE(SweepPublishedProperties(control), refused);
        control->Handle()->grab();
        control->SetDesigning(true);
        control->Handle()->grab();
        Free(control);
        QCOMPARE(m_form->ControlCount(), 0);
    }

    void trackBarDrawsTheSelectionRangeInItsChannel_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selEnd");
        QTest::newRow("horizontal") << int(trHorizontal) << 2 << 6;
        QTest::newRow("vertical") << int(trVertical) << 3 << 8;
        QTest::newRow("empty range") << int(trHorizontal) << 4 << 4;
        QTest::newRow("reversed range") << int(trHorizontal) << 6 << 2;
    }
    void trackBarDrawsTheSelectionRangeInItsChannel()
    {
        QFETCH(int, orientation);
        QFETCH(int, selStart);
        QFETCH(int, selEnd);
        auto *t = Make<TTrackBar>();
        t->SetOrientation(TTrackBarOrientation(orientation));
        t->SetPosition(10); // the thumb at the far end, clear of the range
        t->SetSelStart(selStart);
        t->SetSelEnd(selEnd);
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->Handle()));
        const QImage image = t->Handle()->grab().toImage();
        const bool horizontal = orientation == trHorizontal;
        const QRect groove = t->ChannelRect().adjusted(2, 2, -2, -2); // inside the sunken edge
        const bool range = selEnd > selStart;
        for (int pos = 0; pos < 10; ++pos) {
            const int p = t->PositionToPixel(pos);
            const QPoint at = horizontal ? QPoint(p, groove.center().y())
                                         : QPoint(groove.center().x(), p);
            const bool inside = range && pos >= selStart && pos <= selEnd;
            QCOMPARE(image.pixel(at), ColorToQColor(inside ? clHighlight : clWindow).rgb());
        }
        // The ends of the range are marked among the ticks by triangles leaning outwards;
        // a plain tick is one line. The ticks stand within a few pixels of the thumb.
        const QRect thumb = t->ThumbRect();
        auto inkBeside = [&](int pos, int side) {
            const int p = t->PositionToPixel(pos) + 2 * side;
            const int from = (horizontal ? thumb.bottom() : thumb.right()) + 1;
            for (int q = from; q < from + 8; ++q) {
                if (qGray(image.pixel(horizontal ? QPoint(p, q) : QPoint(q, p))) < 100)
                    return true;
            }
            return false;
        };
        QCOMPARE(inkBeside(selStart, -1), range);
        QCOMPARE(inkBeside(selEnd, 1), range);
        QVERIFY(!inkBeside(1, -1));
        QVERIFY(!inkBeside(9, 1));
    }

    void trackBarFollowsKeysAndTheMouse()
    {
        auto *t = Make<TTrackBar>();
        Events events;
        t->OnChange = TNotifyEvent::Of<&Events::Changed>(&events);
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->Handle()));
        QWidget *w = t->Handle();
        // Right and down go towards Max, left and up towards Min; pages are PageSize.
        QTest::keyClick(w, Qt::Key_Right);
        QCOMPARE(t->Position(), 1);
        QTest::keyClick(w, Qt::Key_PageDown);
        QCOMPARE(t->Position(), 3);
        QTest::keyClick(w, Qt::Key_End);
        QCOMPARE(t->Position(), 10);
        QTest::keyClick(w, Qt::Key_Up);
        QCOMPARE(t->Position(), 9);
        // A press in the channel before the thumb pages back towards it.
        const int across = t->ChannelRect().center().y();
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(t->PositionToPixel(2), across));
        QCOMPARE(t->Position(), 7);
        // The thumb dragged by the mouse lands on the position nearest the mouse.
        const QPoint grip = t->ThumbRect().center();
        const QPoint drop(t->PositionToPixel(4) + 1, grip.y());
        QTest::mousePress(w, Qt::LeftButton, {}, grip);
        QTest::mouseMove(w, (grip + drop) / 2);
        QTest::mouseMove(w, drop);
        QTest::mouseRelease(w, Qt::LeftButton, {}, drop);
        QCOMPARE(t->Position(), 4);
        QCOMPARE(t->ThumbRect().center().x(), t->PositionToPixel(4));
        QVERIFY(events.changes >= 6);
    }
};

QTEST_MAIN(Win32Test)
#include "tst_win32.moc"
