// The controls of the "Additional" palette page that the framework adds to the standard ones:
// bit button, speed button, string grid, image, shape, bevel and scroll box.

#include "Application.h"
#include "Buttons.h"
#include "ControlScrollBar.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "Grids.h"
#include "PropertySweep.h"
#include "PublishedTypeChecks.h"

#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {

struct GridEvents
{
    void DrawCell(TObject *, int col, int row, QRect rect, TGridDrawState state)
    {
        drawn.insert({col, row}, state);
        rects.insert({col, row}, rect);
    }
    QMap<QPair<int, int>, TGridDrawState> drawn;
    QMap<QPair<int, int>, QRect> rects;
    void SelectCell(TObject *, int col, int row, bool &canSelect)
    {
        asked.append(QPoint(col, row));
        canSelect = !(col == refuseCol && row == refuseRow);
    }
    QList<QPoint> asked;
    int refuseCol = -1, refuseRow = -1;
};

QImage Grab(TControl *control)
{
    return control->Handle()->grab().toImage();
}

QRgb Rgb(TColor color)
{
    return ColorToQColor(color).rgb();
}

} // namespace

class AdditionalTest : public QObject
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

private slots:
    void init()
    {
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
        const TClass grid = TStringGrid::StaticClass();
        row(grid, "ColCount", TypeInfoInteger(), 5);
        row(grid, "RowCount", TypeInfoInteger(), 5);
        row(grid, "FixedCols", TypeInfoInteger(), 1);
        row(grid, "FixedRows", TypeInfoInteger(), 1);
        row(grid, "DefaultColWidth", TypeInfoInteger(), 64);
        row(grid, "DefaultRowHeight", TypeInfoInteger(), 24);
        row(grid, "GridLineWidth", TypeInfoInteger(), 1);
        row(grid, "Options", TypeInfoTGridOptions(), 0x1F);
        row(grid, "ScrollBars", TypeInfoTScrollStyle(), ssBoth);
        row(grid, "BorderStyle", TypeInfoTBorderStyle(), bsSingle);
        row(grid, "Color", TypeInfoTColor(), clWindow);
        row(grid, "FixedColor", TypeInfoTColor(), clBtnFace);
        row(grid, "OnDrawCell", TypeInfoTDrawCellEvent(), TPropInfo::NoDefault);
        row(TDrawGrid::StaticClass(), "OnSelectCell", TypeInfoTSelectCellEvent(),
            TPropInfo::NoDefault);
        row(TBitBtn::StaticClass(), "Kind", TypeInfoTBitBtnKind(), bkCustom);
        row(TBitBtn::StaticClass(), "Style", TypeInfoTButtonStyle(), 0);
        row(TBitBtn::StaticClass(), "ModalResult", TypeInfoTModalResult(), mrNone);
        row(TBitBtn::StaticClass(), "NumGlyphs", TypeInfoTNumGlyphs(), 1);
        row(TSpeedButton::StaticClass(), "Transparent", TypeInfoBoolean(), 1);
        row(TSpeedButton::StaticClass(), "Anchors", TypeInfoTAnchors(), DefaultAnchors);
        row(TBevel::StaticClass(), "Shape", TypeInfoTBevelShape(), 0);
        row(TBevel::StaticClass(), "Style", TypeInfoTBevelStyle(), 0);
        row(TShape::StaticClass(), "Shape", TypeInfoTShapeType(), stRectangle);
        row(TImage::StaticClass(), "Stretch", TypeInfoBoolean(), 0);
        row(TScrollBox::StaticClass(), "BorderStyle", TypeInfoTBorderStyle(), bsSingle);
        row(TScrollBox::StaticClass(), "AutoScroll", TypeInfoBoolean(), 1);
        row(TControlScrollBar::StaticClass(), "Increment", TypeInfoTScrollBarInc(), 8);
        row(TControlScrollBar::StaticClass(), "Visible", TypeInfoBoolean(), 1);
    }
    void publishedTypesAndDefaults()
    {
        VerifyPublishedTypeAndDefault();
    }

    void objectPropertiesAreClassTyped()
    {
        // Editors for pictures, pens and scroll bars are found through these type records.
        QCOMPARE(GetPropInfo(TImage::StaticClass(), "Picture")->PropType,
                 TPicture::StaticClass()->ClassTypeInfo());
        QCOMPARE(GetPropInfo(TShape::StaticClass(), "Pen")->PropType,
                 TPen::StaticClass()->ClassTypeInfo());
        QCOMPARE(GetPropInfo(TBitBtn::StaticClass(), "Glyph")->PropType,
                 TBitmap::StaticClass()->ClassTypeInfo());
        QCOMPARE(GetPropInfo(TForm::StaticClass(), "VertScrollBar")->PropType,
                 TControlScrollBar::StaticClass()->ClassTypeInfo());
    }

    void enumerationsKeepClassicValueNames()
    {
        QCOMPARE(TypeInfoTBevelShape()->EnumNames,
                 QStringList({"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine",
                              "bsRightLine", "bsSpacer"}));
        QCOMPARE(TypeInfoTBevelStyle()->EnumNames, QStringList({"bsLowered", "bsRaised"}));
        QCOMPARE(TypeInfoTButtonStyle()->EnumNames,
                 QStringList({"bsAutoDetect", "bsWin31", "bsNew"}));
        QCOMPARE(GetEnumName(TypeInfoTShapeType(), stRoundSquare), QString("stRoundSquare"));
        QCOMPARE(GetEnumValue(TypeInfoTBitBtnKind(), "bkignore"), int(bkIgnore));
        const PTypeInfo option = GetTypeData(TypeInfoTGridOptions());
        QCOMPARE(option->EnumNames.first(), QString("goFixedVertLine"));
        QCOMPARE(option->EnumNames.last(), QString("goThumbTracking"));
        QCOMPARE(option->EnumNames.size(), 15);
    }

    void newControlsTakeClassicSizes_data()
    {
        QTest::addColumn<void *>("cls");
        QTest::addColumn<QSize>("size");
        auto row = [](TClass cls, QSize size) {
            QTest::addRow("%s", cls->Name)
                << const_cast<void *>(static_cast<const void *>(cls)) << size;
        };
        row(TBitBtn::StaticClass(), QSize(75, 25));
        row(TSpeedButton::StaticClass(), QSize(23, 22));
        row(TStringGrid::StaticClass(), QSize(320, 120));
        row(TImage::StaticClass(), QSize(105, 105));
        row(TShape::StaticClass(), QSize(65, 65));
        row(TBevel::StaticClass(), QSize(50, 50));
        row(TScrollBox::StaticClass(), QSize(185, 41));
    }
    void newControlsTakeClassicSizes()
    {
        QFETCH(void *, cls);
        QFETCH(QSize, size);
        TObject *obj = static_cast<TClass>(cls)->Create(m_form.get());
        QVERIFY(obj);
        QCOMPARE(static_cast<TControl *>(obj)->BoundsRect().size(), size);
    }

    void bitBtnKindSetsCaptionAndResult_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("isDefault");
        QTest::addColumn<bool>("isCancel");
        QTest::newRow("OK") << int(bkOK) << "OK" << int(mrOk) << true << false;
        QTest::newRow("Cancel") << int(bkCancel) << "Cancel" << int(mrCancel) << false << true;
        QTest::newRow("Yes") << int(bkYes) << "&Yes" << int(mrYes) << true << false;
        QTest::newRow("No") << int(bkNo) << "&No" << int(mrNo) << false << true;
        QTest::newRow("Help") << int(bkHelp) << "&Help" << int(mrNone) << false << false;
        QTest::newRow("Close") << int(bkClose) << "&Close" << int(mrNone) << false << false;
        QTest::newRow("Abort") << int(bkAbort) << "Abort" << int(mrAbort) << false << false;
        QTest::newRow("Retry") << int(bkRetry) << "&Retry" << int(mrRetry) << false << false;
        QTest::newRow("Ignore") << int(bkIgnore) << "&Ignore" << int(mrIgnore) << false << false;
        QTest::newRow("All") << int(bkAll) << "&All" << int(mrAll) << false << false;
    }
    void bitBtnKindSetsCaptionAndResult()
    {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(int, result);
        QFETCH(bool, isDefault);
        QFETCH(bool, isCancel);
        auto *b = Make<TBitBtn>();
        // Through the type information, as the inspector sets it.
        SetOrdProp(b, GetPropInfo(b, "Kind"), kind);
        QCOMPARE(b->Caption(), caption);
        QCOMPARE(b->ModalResult(), result);
        QCOMPARE(b->Default(), isDefault);
        QCOMPARE(b->Cancel(), isCancel);
        QCOMPARE(GetOrdProp(b, GetPropInfo(b, "Kind")), qint64(kind));
        QVERIFY(!b->ShownGlyph().isNull());
    }

    void bitBtnKindReadsCustomOnceChangedByHand()
    {
        auto *b = Make<TBitBtn>();
        b->SetKind(bkOK);
        b->SetCaption("Fine"); // the caption alone keeps the kind
        QCOMPARE(b->Kind(), bkOK);
        b->SetModalResult(mrRetry);
        QCOMPARE(b->Kind(), bkCustom);
        b->SetKind(bkCancel);
        b->SetDefault(true);
        QCOMPARE(b->Kind(), bkCustom);
    }

    void bitBtnShowsOwnGlyphBeforeTheKinds()
    {
        auto *b = Make<TBitBtn>(QRect(10, 10, 90, 30));
        b->SetKind(bkOK);
        const QImage kindGlyph = b->ShownGlyph();
        TBitmap strip(32, 16); // two glyphs: up and disabled
        strip.Image().fill(Qt::blue);
        strip.Image().setPixel(0, 15, qRgb(255, 255, 255)); // the transparent colour
        strip.Canvas()->Brush()->SetColor(clRed);
        strip.Canvas()->FillRect(QRect(16, 0, 16, 16));
        b->SetGlyph(&strip);
        QCOMPARE(b->NumGlyphs(), 2);
        QCOMPARE(b->ShownGlyph().size(), QSize(16, 16));
        QCOMPARE(b->ShownGlyph().pixel(8, 8), QColor(Qt::blue).rgb());
        b->SetEnabled(false);
        QCOMPARE(b->ShownGlyph().pixel(8, 8), QColor(Qt::red).rgb());
        QVERIFY(b->ShownGlyph() != kindGlyph);
        // The face shows the glyph left of the caption.
        b->SetEnabled(true);
        b->SetCaption(QString());
        m_form->Show();
        const QImage face = Grab(b);
        QCOMPARE(face.pixel(45, 15), QColor(Qt::blue).rgb());
    }

    void gridCellsLinesAndBounds()
    {
        auto *g = Make<TStringGrid>();
        g->SetCells(2, 3, "x");
        QCOMPARE(g->Cells(2, 3), QString("x"));
        QCOMPARE(g->Cols(2)->Strings(3), QString("x"));
        QCOMPARE(g->Rows(3)->Strings(2), QString("x"));
        QCOMPARE(g->Cols(2)->Count(), 5);
        g->Rows(1)->SetStrings(4, "edge");
        QCOMPARE(g->Cells(4, 1), QString("edge"));
        TStringList source;
        source.SetText("a\nb\nc");
        g->Cols(0)->Assign(&source);
        QCOMPARE(g->Cells(0, 2), QString("c"));
        QCOMPARE(g->Cells(0, 3), QString()); // cells past the source keep their value
        QVERIFY_THROWS_EXCEPTION(EInvalidGridOperation, g->Cells(5, 0));
        QVERIFY_THROWS_EXCEPTION(EInvalidGridOperation, g->Cols(0)->Add("more"));
        // Shrinking drops the cells outside; growing back shows them empty.
        g->SetColCount(2);
        g->SetColCount(5);
        QCOMPARE(g->Cells(2, 3), QString());
        QCOMPARE(g->Cells(0, 2), QString("c"));
    }

    void gridFixedCountsStayBelowTheTotal()
    {
        auto *g = Make<TStringGrid>();
        try {
            g->SetFixedCols(5);
            QFAIL("five fixed columns of five were accepted");
        } catch (const EInvalidGridOperation &e) {
            QCOMPARE(e.Message(), QString("Fixed column count must be less than column count"));
        }
        QVERIFY_THROWS_EXCEPTION(EInvalidGridOperation, g->SetFixedRows(-1));
        // Fewer columns than fixed ones lowers the fixed count, as the classic grid does.
        g->SetFixedCols(3);
        g->SetColCount(2);
        QCOMPARE(g->FixedCols(), 1);
        QVERIFY(g->Col() >= 1);
    }

    void gridCellGeometryRoundTrips()
    {
        auto *g = Make<TStringGrid>();
        g->SetColWidths(0, 30);
        g->SetRowHeights(2, 40);
        // Border 2, then 30 + line, then 64 + line per column.
        QCOMPARE(g->CellRect(0, 0), QRect(2, 2, 30, 24));
        QCOMPARE(g->CellRect(2, 2), QRect(2 + 31 + 65, 2 + 25 + 25, 64, 40));
        for (int c = 0; c < 3; ++c) {
            for (int r = 0; r < 3; ++r) {
                const QRect rect = g->CellRect(c, r);
                QCOMPARE(g->MouseToCell(rect.center().x(), rect.center().y()), QPoint(c, r));
            }
        }
        QCOMPARE(g->MouseToCell(1, 1), QPoint(-1, -1)); // on the border
    }

    void gridKeysMoveTheCurrentCellAndAskFirst()
    {
        auto *g = Make<TStringGrid>();
        GridEvents events;
        g->OnSelectCell = TSelectCellEvent::Of<&GridEvents::SelectCell>(&events);
        quint16 key = VK_RIGHT;
        QVERIFY(g->KeyDown(key, 0));
        QCOMPARE(QPoint(g->Col(), g->Row()), QPoint(2, 1));
        key = VK_LEFT;
        g->KeyDown(key, 0);
        g->KeyDown(key, 0); // stops at the first scrolling column
        QCOMPARE(g->Col(), 1);
        events.refuseCol = 1;
        events.refuseRow = 2;
        key = VK_DOWN;
        g->KeyDown(key, 0);
        QCOMPARE(g->Row(), 1);
        QCOMPARE(events.asked.last(), QPoint(1, 2));
        key = VK_END;
        g->KeyDown(key, ssCtrl);
        QCOMPARE(QPoint(g->Col(), g->Row()), QPoint(4, 4));
        // Shift extends the selection from where it started.
        events.refuseCol = -1;
        g->SetCol(1);
        g->SetRow(1);
        key = VK_DOWN;
        g->KeyDown(key, ssShift);
        key = VK_RIGHT;
        g->KeyDown(key, ssShift);
        QCOMPARE(g->Selection(), (TGridRect{1, 1, 2, 2}));
    }

    void gridScrollsToShowTheCurrentCell()
    {
        auto *g = Make<TStringGrid>(QRect(0, 0, 200, 100));
        g->SetRowCount(20);
        m_form->Show();
        auto *vbar = g->Handle()->findChildren<QScrollBar *>().at(1);
        QVERIFY(vbar->orientation() == Qt::Vertical);
        QVERIFY(vbar->isVisible());
        QCOMPARE(g->TopRow(), 1);
        g->SetRow(15);
        QVERIFY(g->TopRow() > 1);
        QVERIFY(g->TopRow() + g->VisibleRowCount() > 15);
        QVERIFY(!g->CellRect(1, 15).isEmpty());
        QCOMPARE(vbar->value(), g->TopRow());
        vbar->setValue(vbar->minimum());
        QCOMPARE(g->TopRow(), 1);
        // Without vertical scroll bars, none shows.
        g->SetScrollBars(ssHorizontal);
        QVERIFY(!vbar->isVisible());
    }

    void gridPaintsFixedCellsGreyAndSelectionHighlighted()
    {
        auto *g = Make<TStringGrid>();
        m_form->Show();
        QImage img = Grab(g);
        QCOMPARE(img.pixel(g->CellRect(0, 2).center()), Rgb(clBtnFace));
        QCOMPARE(img.pixel(g->CellRect(2, 0).center()), Rgb(clBtnFace));
        QCOMPARE(img.pixel(g->CellRect(2, 2).center()), Rgb(clWindow));
        g->SetOptions(g->Options() | GridOption(goRowSelect));
        img = Grab(g);
        QCOMPARE(img.pixel(g->CellRect(3, 1).center()), Rgb(clHighlight));
        g->SetFixedColor(clRed);
        img = Grab(g);
        QCOMPARE(img.pixel(g->CellRect(0, 3).center()), Rgb(clRed));
    }

    void drawGridAsksForEachVisibleCellWithItsState()
    {
        auto *g = Make<TDrawGrid>(QRect(0, 0, 200, 80));
        GridEvents events;
        g->OnDrawCell = TDrawCellEvent::Of<&GridEvents::DrawCell>(&events);
        g->SetOptions(g->Options() | GridOption(goDrawFocusSelected));
        g->SetSelection(TGridRect{1, 1, 2, 1});
        m_form->Show();
        Grab(g);
        const TGridDrawState fixed = 1u << gdFixed, selected = 1u << gdSelected;
        QCOMPARE(events.drawn.value({0, 0}), fixed);
        QCOMPARE(events.drawn.value({2, 0}), fixed);
        QCOMPARE(events.drawn.value({1, 1}) & selected, selected);
        QCOMPARE(events.drawn.value({2, 1}) & selected, selected);
        QCOMPARE(events.drawn.value({2, 2}), TGridDrawState(0));
        QCOMPARE(events.rects.value({2, 2}), g->CellRect(2, 2));
        // Only what shows is drawn: columns past the right edge are not asked for.
        QVERIFY(!events.drawn.contains({4, 1}));
    }

    void gridMouseSelectsARangeButNotAtDesignTime()
    {
        auto *g = Make<TStringGrid>();
        const QPoint from = g->CellRect(1, 1).center(), to = g->CellRect(3, 2).center();
        g->MouseDown(mbLeft, 0, from.x(), from.y());
        g->MouseMove(ssLeft, to.x(), to.y());
        g->MouseUp(mbLeft, 0, to.x(), to.y());
        QCOMPARE(g->Selection(), (TGridRect{1, 1, 3, 2}));
        QCOMPARE(QPoint(g->Col(), g->Row()), QPoint(3, 2));
        // Without range selection the drag only moves the current cell.
        g->SetOptions(g->Options() & ~GridOption(goRangeSelect));
        g->MouseDown(mbLeft, 0, from.x(), from.y());
        g->MouseMove(ssLeft, to.x(), to.y());
        g->MouseUp(mbLeft, 0, to.x(), to.y());
        QCOMPARE(g->Selection(), (TGridRect{1, 1, 1, 1}));
        g->SetDesigning(true);
        g->MouseDown(mbLeft, 0, to.x(), to.y());
        QCOMPARE(QPoint(g->Col(), g->Row()), QPoint(1, 1));
    }

    void bitBtnOfKindOkEndsTheModalForm()
    {
        auto *b = Make<TBitBtn>();
        b->SetKind(bkOK);
        QTimer::singleShot(0, [b] { static_cast<QPushButton *>(b->Handle())->click(); });
        QCOMPARE(m_form->ShowModal(), int(mrOk));
    }

    // Deleting a scroll box that holds a control (Delete on the design form) freed the box's
    // widget, with the child's widget inside it, before the child was taken out.
    void scrollBoxFreedWithAChildInside()
    {
        auto *box = Make<TScrollBox>(QRect(10, 10, 120, 100));
        auto *child = new TPanel(m_form.get());
        child->SetParent(box);
        m_form->Show();
        const int before = m_form->ComponentCount();
        Free(box);
        QCOMPARE(m_form->ComponentCount(), before - 2);
        QCOMPARE(m_form->ControlCount(), 0);
    }

    void scrollBoxFollowsTheUsersScrollBar()
    {
        auto *box = Make<TScrollBox>(QRect(10, 10, 120, 100));
        box->SetBorderStyle(bsNone);
        auto *child = new TPanel(m_form.get());
        child->SetBounds(300, 10, 40, 20);
        child->SetParent(box);
        m_form->Show();
        QCOMPARE(box->ClientOrigin() - m_form->ClientOrigin(), QPoint(10, 10));
        QScrollBar *bar = nullptr;
        for (QScrollBar *b : box->ClientWidget()->findChildren<QScrollBar *>()) {
            if (b->orientation() == Qt::Horizontal)
                bar = b;
        }
        QVERIFY(bar && bar->isVisible());
        QCOMPARE(bar->maximum(), 340 - box->ClientWidth());
        bar->setValue(bar->maximum()); // the user drags to the end
        QCOMPARE(box->HorzScrollBar()->Position(), bar->maximum());
        QCOMPARE(child->Left() + child->Width(), box->ClientWidth());
        // A range set by hand replaces the automatic one.
        box->HorzScrollBar()->SetRange(1000);
        QVERIFY(!box->AutoScroll());
        QCOMPARE(bar->maximum(), 1000 - box->ClientWidth());
        box->HorzScrollBar()->SetVisible(false);
        QVERIFY(!bar->isVisible());
        QCOMPARE(box->HorzScrollBar()->Position(), 0);
        QCOMPARE(child->Left(), 300);
    }

    void shapeFollowsItsKindPenAndBrush()
    {
        auto *s = Make<TShape>(QRect(10, 10, 80, 40));
        s->Brush()->SetColor(clLime);
        s->Pen()->SetColor(clRed);
        m_form->Show();
        QImage img = Grab(s);
        QCOMPARE(img.pixel(0, 0), Rgb(clRed));
        QCOMPARE(img.pixel(40, 20), Rgb(clLime));
        // A circle takes the shorter side and leaves the corners alone.
        s->SetShape(stCircle);
        QCOMPARE(s->ShapeRect().size(), QSize(39, 39));
        img = Grab(s);
        QVERIFY(img.pixel(2, 2) != Rgb(clRed));
        QCOMPARE(img.pixel(40, 20), Rgb(clLime));
        s->Brush()->SetColor(clBlue);
        QCOMPARE(Grab(s).pixel(40, 20), Rgb(clBlue));
    }

    void bevelDrawsItsStyle_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("style");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("color");
        using S = TBevelShape;
        QTest::newRow("lowered box") << int(S::bsBox) << 0 << QPoint(0, 10) << int(clBtnShadow);
        QTest::newRow("raised box") << int(S::bsBox) << 1 << QPoint(0, 10)
                                    << int(clBtnHighlight);
        QTest::newRow("lowered top line") << int(S::bsTopLine) << 0 << QPoint(10, 1)
                                          << int(clBtnHighlight);
        QTest::newRow("raised right line") << int(S::bsRightLine) << 1 << QPoint(49, 10)
                                           << int(clBtnShadow);
    }
    void bevelDrawsItsStyle()
    {
        QFETCH(int, shape);
        QFETCH(int, style);
        QFETCH(QPoint, at);
        QFETCH(int, color);
        auto *b = Make<TBevel>();
        b->SetShape(TBevelShape(shape));
        b->SetStyle(TBevelStyle(style));
        m_form->Show();
        QCOMPARE(Grab(b).pixel(at), Rgb(TColor(color)));
    }

    void imageSizesAndPlacesItsPicture()
    {
        auto *image = Make<TImage>(QRect(0, 0, 100, 80));
        TBitmap bmp(20, 10);
        bmp.Image().fill(Qt::red);
        image->SetCenter(true);
        image->Picture()->SetBitmap(&bmp);
        QCOMPARE(image->DestRect(), QRect(40, 35, 20, 10));
        m_form->Show();
        QCOMPARE(Grab(image).pixel(50, 40), QColor(Qt::red).rgb());
        image->SetStretch(true);
        QCOMPARE(image->DestRect(), QRect(0, 0, 100, 80));
        image->SetAutoSize(true);
        QCOMPARE(image->BoundsRect().size(), QSize(20, 10));
    }

    void scrollBoxScrollsItsChildren()
    {
        auto *box = Make<TScrollBox>(QRect(10, 10, 200, 150));
        auto *child = new TPanel(m_form.get());
        child->SetBounds(20, 300, 50, 40);
        child->SetParent(box);
        m_form->Show();
        box->UpdateScrollBars();
        TControlScrollBar *vert = box->VertScrollBar();
        QVERIFY(vert->IsScrollBarVisible());
        QVERIFY(!box->HorzScrollBar()->IsScrollBarVisible());
        QCOMPARE(vert->Range(), 340);
        const int inner = 200 - 4;
        QCOMPARE(box->ClientWidth(), inner - TControlScrollBar::Extent());
        // Scrolling moves the child; its bounds stay relative to the visible origin.
        vert->SetPosition(100);
        QCOMPARE(vert->Position(), 100);
        QCOMPARE(child->Top(), 200);
        QCOMPARE(child->Handle()->y(), 200);
        vert->SetPosition(100000); // clamped to the end of the range
        QCOMPARE(vert->Position(), 340 - box->ClientHeight());
        // Bringing the child back within the client drops the bar and scrolls home.
        vert->SetPosition(0);
        child->SetTop(10);
        QVERIFY(!vert->IsScrollBarVisible());
        QCOMPARE(box->ClientWidth(), inner);
    }

    void formScrollsWithAutoScroll()
    {
        auto *far = Make<TPanel>(QRect(600, 20, 50, 50));
        m_form->Show();
        m_form->UpdateScrollBars();
        QVERIFY(m_form->HorzScrollBar()->IsScrollBarVisible());
        m_form->ScrollInView(far);
        QCOMPARE(far->Left() + far->Width(), m_form->ClientWidth());
        m_form->SetAutoScroll(false);
        m_form->HorzScrollBar()->SetRange(0);
        QVERIFY(!m_form->HorzScrollBar()->IsScrollBarVisible());
    }

    void everyClassCreatesShowsChangesAndFrees_data()
    {
        QTest::addColumn<void *>("cls");
        for (TClass cls : {TBitBtn::StaticClass(), TSpeedButton::StaticClass(),
                           TStringGrid::StaticClass(), TDrawGrid::StaticClass(),
                           TImage::StaticClass(), TShape::StaticClass(), TBevel::StaticClass(),
                           TScrollBox::StaticClass()})
            QTest::addRow("%s", cls->Name) << const_cast<void *>(static_cast<const void *>(cls));
    }
    void everyClassCreatesShowsChangesAndFrees()
    {
        QFETCH(void *, cls);
        auto *control = static_cast<TControl *>(static_cast<TClass>(cls)->Create(m_form.get()));
        control->SetParent(m_form.get());
        m_form->Show();
        QVERIFY(control->Showing());
        QCOMPARE(SweepPublishedProperties(control), QStringList());
        Grab(control);
        control->SetDesigning(true);
        Grab(control);
        Free(control);
        QCOMPARE(m_form->ControlCount(), 0);
    }
};

QTEST_MAIN(AdditionalTest)
#include "tst_additional.moc"
