// Tab strips of the tab and page controls on each side, wrapped into rows and scrolled, and
// the images of tabs and header sections.

#define QTEST_QPA_MOUSE_HANDLING
#include "Application.h"
#include "ComCtrlsHeader.h"
#include "ComCtrlsPages.h"
#include "ComCtrlsTabLayout.h"
#include "Forms.h"
#include "ImgList.h"
#include "PublishedTypeChecks.h"

#include <QPainter>
#include <QtTest>

namespace {

struct Events
{
    void Changed(TObject *) { ++changes; }
    void GetImage(TObject *, int tab, int &image) { image = tab == 0 ? 1 : -1; }
    // Fills each tab's inside green, the current one's blue.
    void DrawTab(TCustomTabControl *control, int index, QRect rect, bool active)
    {
        drawn << index;
        rects.insert(index, rect);
        activeTabs << (active ? index : -1);
        control->Canvas()->Brush()->SetColor(active ? clBlue : clLime);
        control->Canvas()->FillRect(rect);
    }
    int changes = 0;
    QList<int> drawn;
    QList<int> activeTabs;
    QHash<int, QRect> rects;
};

// Whether the widget's picture has a pixel of that colour inside rect.
bool HasColor(QWidget *widget, const QRect &rect, QColor color)
{
    const QImage image = widget->grab().toImage();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (image.rect().contains(x, y) && image.pixelColor(x, y) == color)
                return true;
        }
    }
    return false;
}

} // namespace

class TabsTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TApplication> m_app;
    std::unique_ptr<TForm> m_form;

    TTabControl *MakeTabs(const QRect &bounds, int count)
    {
        auto *tabs = new TTabControl(m_form.get());
        tabs->SetBoundsRect(bounds);
        tabs->SetParent(m_form.get());
        for (int i = 0; i < count; ++i)
            tabs->Tabs()->Add(QStringLiteral("Page %1").arg(i));
        tabs->SetTabIndex(0);
        return tabs;
    }

    void ShowForm()
    {
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->Handle()));
    }

    // Two 16 by 16 images: red, then blue.
    TImageList *RedAndBlueImages()
    {
        auto *list = new TImageList(m_form.get());
        QImage strip(32, 16, QImage::Format_RGB32);
        strip.fill(Qt::red);
        QPainter(&strip).fillRect(16, 0, 16, 16, Qt::blue);
        TBitmap bitmap;
        bitmap.LoadFromImage(strip);
        list->Add(&bitmap, nullptr);
        return list;
    }

private slots:
    void init()
    {
        m_app = std::make_unique<TApplication>(nullptr);
        m_form = std::make_unique<TForm>(nullptr);
        m_form->SetBounds(0, 0, 600, 400);
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
        const PTypeInfo images = TCustomImageList::StaticClass()->ClassTypeInfo();
        for (TClass cls : {TTabControl::StaticClass(), TPageControl::StaticClass()}) {
            row(cls, "Images", images, none);
            row(cls, "HotTrack", TypeInfoBoolean(), 0);
            row(cls, "MultiLine", TypeInfoBoolean(), 0);
            row(cls, "RaggedRight", TypeInfoBoolean(), 0);
            row(cls, "ScrollOpposite", TypeInfoBoolean(), 0);
            row(cls, "Style", TypeInfoTTabStyle(), tsTabs);
            row(cls, "TabHeight", TypeInfoSmallInt(), 0);
            row(cls, "TabWidth", TypeInfoSmallInt(), 0);
            row(cls, "TabPosition", TypeInfoTTabPosition(), tpTop);
            row(cls, "OnGetImageIndex", TypeInfoTTabGetImageEvent(), none);
            row(cls, "OwnerDraw", TypeInfoBoolean(), 0);
            row(cls, "OnDrawTab", TypeInfoTDrawTabEvent(), none);
        }
        row(THeaderControl::StaticClass(), "Images", images, none);
    }
    void publishedTypesAndDefaults()
    {
        VerifyPublishedTypeAndDefault();
    }

    // With OwnerDraw, OnDrawTab draws each tab's inside; without it, the handler is not asked.
    void ownerDrawnTabs_data()
    {
        QTest::addColumn<bool>("pages"); // a page control rather than a tab control
        QTest::newRow("tab control") << false;
        QTest::newRow("page control") << true;
    }
    void ownerDrawnTabs()
    {
        QFETCH(bool, pages);
        TCustomTabControl *tabs = nullptr;
        if (pages) {
            auto *control = new TPageControl(m_form.get());
            control->SetBoundsRect(QRect(10, 10, 300, 200));
            control->SetParent(m_form.get());
            for (int i = 0; i < 3; ++i) {
                auto *sheet = new TTabSheet(m_form.get());
                sheet->SetCaption(QStringLiteral("Sheet %1").arg(i));
                sheet->SetPageControl(control);
            }
            control->SetActivePage(control->Pages(1));
            tabs = control;
        } else {
            tabs = MakeTabs(QRect(10, 10, 300, 200), 3);
            tabs->SetTabIndex(1);
        }
        Events events;
        tabs->OnDrawTab = TDrawTabEvent::Of<&Events::DrawTab>(&events);
        ShowForm();
        QApplication::processEvents();
        QVERIFY(events.drawn.isEmpty());

        tabs->SetOwnerDraw(true);
        QTRY_VERIFY(events.drawn.size() >= 3);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(events.drawn.contains(i));
            QVERIFY(tabs->TabRect(i).contains(events.rects.value(i)));
        }
        QVERIFY(events.activeTabs.contains(1));
        QVERIFY(!events.activeTabs.contains(0) && !events.activeTabs.contains(2));
        QWidget *widget = tabs->Handle();
        QVERIFY(HasColor(widget, events.rects.value(0), QColor(Qt::green)));
        QVERIFY(HasColor(widget, events.rects.value(1), QColor(Qt::blue)));
    }

    void tabsLieAlongTheirSide_data()
    {
        QTest::addColumn<int>("position");
        QTest::newRow("top") << int(tpTop);
        QTest::newRow("bottom") << int(tpBottom);
        QTest::newRow("left") << int(tpLeft);
        QTest::newRow("right") << int(tpRight);
    }
    void tabsLieAlongTheirSide()
    {
        QFETCH(int, position);
        TTabControl *tabs = MakeTabs(QRect(10, 10, 300, 220), 3);
        tabs->SetTabPosition(TTabPosition(position));
        const QRect page = tabs->DisplayRect();
        const bool side = position == tpLeft || position == tpRight;
        for (int i = 0; i < 3; ++i) {
            const QRect tab = tabs->TabRect(i);
            QVERIFY2(!tab.isEmpty(), qPrintable(QString::number(i)));
            switch (position) {
            case tpTop: QVERIFY(tab.bottom() < page.top()); break;
            case tpBottom: QVERIFY(tab.top() > page.bottom()); break;
            case tpLeft: QVERIFY(tab.right() < page.left()); break;
            case tpRight: QVERIFY(tab.left() > page.right()); break;
            }
            // Captions down a side are turned: the tab is longer than it is wide.
            QCOMPARE(tab.height() > tab.width(), side);
        }
        // One after the other along the side.
        if (side)
            QVERIFY(tabs->TabRect(2).top() > tabs->TabRect(1).bottom());
        else
            QVERIFY(tabs->TabRect(2).left() > tabs->TabRect(1).right());
        QCOMPARE(tabs->RowCount(), 1);
        // The side is where the user clicks too.
        ShowForm();
        QTest::mouseClick(tabs->Handle(), Qt::LeftButton, {}, tabs->TabRect(2).center());
        QCOMPARE(tabs->TabIndex(), 2);
        QCOMPARE(tabs->IndexOfTabAt(tabs->TabRect(1).center().x(),
                                    tabs->TabRect(1).center().y()),
                 1);
    }

    void sheetsFillThePageBesideSideTabs()
    {
        auto *pages = new TPageControl(m_form.get());
        pages->SetBounds(10, 10, 300, 200);
        pages->SetParent(m_form.get());
        auto *sheet = new TTabSheet(m_form.get());
        sheet->SetCaption(QStringLiteral("Only"));
        sheet->SetPageControl(pages);
        pages->SetTabPosition(tpRight);
        QCOMPARE(sheet->BoundsRect(), pages->DisplayRect());
        QVERIFY(sheet->BoundsRect().right() < pages->TabRect(0).left());
    }

    void positionsStyleAndRowsGoTogether_data()
    {
        QTest::addColumn<QString>("steps"); // applied in order; '!' marks the one that fails
        QTest::addColumn<bool>("multiLine");
        QTest::newRow("left wraps") << "left" << true;
        QTest::newRow("right wraps") << "right" << true;
        QTest::newRow("single row refused at a side") << "left,!single" << true;
        QTest::newRow("buttons refused at the bottom") << "bottom,!buttons" << false;
        QTest::newRow("bottom refused for buttons") << "buttons,!bottom" << false;
        QTest::newRow("scroll opposite wraps") << "opposite" << true;
        QTest::newRow("single row ends scroll opposite") << "opposite,single" << false;
    }
    void positionsStyleAndRowsGoTogether()
    {
        QFETCH(QString, steps);
        QFETCH(bool, multiLine);
        TTabControl *tabs = MakeTabs(QRect(0, 0, 200, 150), 2);
        for (QString step : steps.split(QLatin1Char(','))) {
            const bool fails = step.startsWith(QLatin1Char('!'));
            step.remove(QLatin1Char('!'));
            const auto apply = [&] {
                if (step == "left")
                    tabs->SetTabPosition(tpLeft);
                else if (step == "right")
                    tabs->SetTabPosition(tpRight);
                else if (step == "bottom")
                    tabs->SetTabPosition(tpBottom);
                else if (step == "buttons")
                    tabs->SetStyle(tsButtons);
                else if (step == "single")
                    tabs->SetMultiLine(false);
                else if (step == "opposite")
                    tabs->SetScrollOpposite(true);
            };
            if (fails)
                QVERIFY_THROWS_EXCEPTION(EInvalidOperation, apply());
            else
                apply();
        }
        QCOMPARE(tabs->MultiLine(), multiLine);
        if (!multiLine)
            QVERIFY(!tabs->ScrollOpposite());
    }

    void wrappedRowsTurnTheCurrentRowToThePage()
    {
        // Three tabs to a row: rows 0-2, 3-5 and 6.
        TTabControl *tabs = MakeTabs(QRect(0, 0, 200, 200), 7);
        tabs->SetTabWidth(60);
        tabs->SetMultiLine(true);
        const int rows = tabs->RowCount();
        QCOMPARE(rows, 3);
        const auto rowTop = [&](int tab) {
            // Tabs of a row share their top; the current one stands two pixels higher.
            return tabs->TabRect(tab).top() + (tab == tabs->TabIndex() ? 2 : 0);
        };
        QSet<int> tops;
        for (int i = 0; i < 7; ++i)
            tops << rowTop(i);
        QCOMPARE(tops.size(), rows);
        const QRect page = tabs->DisplayRect();
        // The current tab's row lies on the page; the row it joins is the one nearest.
        QCOMPARE(tabs->TabRect(0).bottom(), page.top() - 4);
        const int last = 6;
        QVERIFY(rowTop(last) < rowTop(0));
        tabs->SetTabIndex(last);
        QCOMPARE(tabs->TabRect(last).bottom(), page.top() - 4);
        // The rows behind keep their cyclic order: the first row right behind the current
        // one, the middle row furthest back.
        QVERIFY(rowTop(3) < rowTop(0));
        QVERIFY(rowTop(0) < rowTop(last));
        QCOMPARE(tabs->DisplayRect(), page); // the page stays where it was
    }

    void wrappedRowsAreStretchedUnlessRagged()
    {
        TTabControl *tabs = MakeTabs(QRect(0, 0, 200, 200), 5);
        tabs->SetTabWidth(60);
        tabs->SetMultiLine(true);
        QVERIFY(tabs->RowCount() > 1);
        // Every row reaches the right end of the strip.
        for (int i = 0; i < 5; ++i) {
            const bool lastOfRow = i == 4 || tabs->TabRect(i + 1).left() < tabs->TabRect(i).left();
            if (lastOfRow && i != tabs->TabIndex())
                QCOMPARE(tabs->TabRect(i).right(), 200 - 1 - kTabLead);
        }
        tabs->SetRaggedRight(true);
        QVERIFY(tabs->TabRect(4).right() < 200 - 1 - kTabLead);
    }

    void scrollOppositePutsRowsBeyondThePage()
    {
        TTabControl *tabs = MakeTabs(QRect(0, 0, 200, 240), 7);
        tabs->SetTabWidth(60);
        tabs->SetScrollOpposite(true);
        QCOMPARE(tabs->RowCount(), 3);
        tabs->SetTabIndex(6);
        const QRect page = tabs->DisplayRect();
        // Rows in front of the current one went below the page, turned upside down.
        QVERIFY(tabs->TabRect(0).top() > page.bottom());
        QVERIFY(tabs->TabRect(6).bottom() < page.top());
        // Coming back to the first row brings them up again, and the page grows downwards.
        tabs->SetTabIndex(0);
        QVERIFY(tabs->TabRect(6).bottom() < page.top());
        QVERIFY(tabs->DisplayRect().bottom() > page.bottom());
    }

    void aRowTooLongScrollsWithArrows()
    {
        TTabControl *tabs = MakeTabs(QRect(10, 10, 180, 120), 8);
        const QRect forward = tabs->ScrollArrowRect(true);
        QVERIFY(!forward.isEmpty());
        QVERIFY(!tabs->ScrollArrowRect(false).isEmpty());
        QVERIFY(tabs->TabRect(7).isEmpty()); // out of sight
        Events events;
        tabs->OnChange = TNotifyEvent::Of<&Events::Changed>(&events);
        ShowForm();
        QTest::mouseClick(tabs->Handle(), Qt::LeftButton, {}, forward.center());
        QCOMPARE(tabs->FirstVisibleTab(), 1);
        QVERIFY(tabs->TabRect(0).isEmpty());
        QCOMPARE(tabs->TabIndex(), 0); // scrolling chooses no tab
        QCOMPARE(events.changes, 0);
        QTest::mouseClick(tabs->Handle(), Qt::LeftButton, {},
                          tabs->ScrollArrowRect(false).center());
        QCOMPARE(tabs->FirstVisibleTab(), 0);
        // Choosing a tab out of sight brings it into sight.
        tabs->SetTabIndex(7);
        QVERIFY(!tabs->TabRect(7).isEmpty());
        QVERIFY(tabs->TabRect(7).right() < tabs->ScrollArrowRect(false).left());
        // With room enough the arrows go and every tab shows.
        tabs->SetWidth(600);
        QVERIFY(tabs->ScrollArrowRect(true).isEmpty());
        QCOMPARE(tabs->FirstVisibleTab(), 0);
        QVERIFY(!tabs->TabRect(0).isEmpty());
    }

    void fixedTabSizes_data()
    {
        QTest::addColumn<int>("position");
        QTest::newRow("top") << int(tpTop);
        QTest::newRow("left") << int(tpLeft);
    }
    void fixedTabSizes()
    {
        QFETCH(int, position);
        TTabControl *tabs = MakeTabs(QRect(0, 0, 400, 300), 3);
        tabs->SetTabPosition(TTabPosition(position));
        tabs->SetTabWidth(70);
        tabs->SetTabHeight(30);
        QCOMPARE(tabs->TabHeight(), 30);
        // A tab not current: its length along the strip, and across it less the raised
        // current tab's two pixels.
        const QRect tab = tabs->TabRect(1);
        const bool side = position == tpLeft;
        QCOMPARE(side ? tab.height() : tab.width(), 70);
        QCOMPARE(side ? tab.width() : tab.height(), 28);
        QCOMPARE(side ? tabs->DisplayRect().left() : tabs->DisplayRect().top(), 30 + 4);
    }

    void hotTrackingColoursTheTabUnderTheMouse()
    {
        TTabControl *tabs = MakeTabs(QRect(10, 10, 300, 120), 3);
        tabs->SetHotTrack(true);
        ShowForm();
        const QColor hot = ColorToQColor(clNavy);
        const QRect tab = tabs->TabRect(1);
        QVERIFY(!HasColor(tabs->Handle(), tab, hot));
        QTest::mouseMove(tabs->Handle(), tab.center());
        QTRY_VERIFY(HasColor(tabs->Handle(), tab, hot));
        QTest::mouseMove(tabs->Handle(), tabs->DisplayRect().center());
        QTRY_VERIFY(!HasColor(tabs->Handle(), tab, hot));
    }

    void tabsShowTheirImagesBeforeTheirCaptions()
    {
        auto *pages = new TPageControl(m_form.get());
        pages->SetBounds(10, 10, 320, 160);
        pages->SetParent(m_form.get());
        for (int image : {1, -1}) {
            auto *sheet = new TTabSheet(m_form.get());
            sheet->SetCaption(QStringLiteral("Sheet"));
            sheet->SetImageIndex(image);
            sheet->SetPageControl(pages);
        }
        const int plain = pages->TabRect(1).width();
        TImageList *images = RedAndBlueImages();
        pages->SetImages(images);
        ShowForm();
        const QRect first = pages->TabRect(0), second = pages->TabRect(1);
        // The first sheet's image (blue) is drawn in the left part of its tab.
        QVERIFY(HasColor(pages->Handle(), first.adjusted(0, 0, -first.width() / 2, 0),
                         QColor(Qt::blue)));
        QVERIFY(!HasColor(pages->Handle(), first, QColor(Qt::red)));
        QVERIFY(!HasColor(pages->Handle(), second, QColor(Qt::blue)));
        QCOMPARE(second.width(), plain); // no image, no room for one
        QVERIFY(first.width() > plain + 16);
        // Freeing the list leaves no reference and the tabs without images.
        Free(images);
        QCOMPARE(pages->Images(), nullptr);
        QVERIFY(!HasColor(pages->Handle(), pages->TabRect(0), QColor(Qt::blue)));
    }

    void tabControlImagesFollowTheTabOrItsHandler()
    {
        TTabControl *tabs = MakeTabs(QRect(10, 10, 300, 120), 2);
        tabs->SetImages(RedAndBlueImages());
        QCOMPARE(tabs->ImageIndexOfTab(1), 1);
        Events events;
        tabs->OnGetImageIndex = TTabGetImageEvent::Of<&Events::GetImage>(&events);
        ShowForm();
        QCOMPARE(tabs->ImageIndexOfTab(0), 1);
        QVERIFY(HasColor(tabs->Handle(), tabs->TabRect(0), QColor(Qt::blue)));
        QVERIFY(!HasColor(tabs->Handle(), tabs->TabRect(1), QColor(Qt::blue)));
        QVERIFY(!HasColor(tabs->Handle(), tabs->TabRect(1), QColor(Qt::red)));
    }

    void headerSectionsShowTheirImages()
    {
        auto *header = new THeaderControl(m_form.get());
        header->SetParent(m_form.get());
        TImageList *images = RedAndBlueImages();
        header->SetImages(images);
        for (int image : {0, -1}) {
            THeaderSection *s = header->Sections()->Add();
            s->SetText(QStringLiteral("Column"));
            s->SetWidth(100);
            s->SetImageIndex(image);
        }
        header->SetHeight(24);
        ShowForm();
        QVERIFY(HasColor(header->Handle(), QRect(0, 0, 30, 24), QColor(Qt::red)));
        QVERIFY(!HasColor(header->Handle(), QRect(100, 0, 100, 24), QColor(Qt::red)));
        Free(images);
        QCOMPARE(header->Images(), nullptr);
        QVERIFY(!HasColor(header->Handle(), QRect(0, 0, 100, 24), QColor(Qt::red)));
    }

    void layoutAloneWrapsByLength()
    {
        // Three tabs of 60 on a strip of 150: two rows; the current tab's row next to the page.
        TTabLayoutInput in;
        in.Lengths = {60, 60, 60};
        in.Thickness = 20;
        in.Extent = 150;
        in.Depth = 100;
        in.MultiLine = true;
        in.Selected = 2;
        const TTabLayout layout = LayOutTabStrip(in);
        QCOMPARE(layout.RowCount, 2);
        QCOMPARE(layout.Row, std::vector<int>({0, 0, 1}));
        QCOMPARE(layout.Slot, std::vector<int>({1, 1, 0}));
        QCOMPARE(layout.Page.top(), 40);
        // The lone tab of the last row is stretched over the strip.
        QCOMPARE(layout.Tabs[2], QRect(kTabLead - 2, 20, 150 - 2 * kTabLead + 4, 21));
    }
};

QTEST_MAIN(TabsTest)
#include "tst_tabs.moc"
