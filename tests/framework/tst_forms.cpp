// Forms, the control tree and the application object: message filter, modal showing, closing,
// alignment, design state and the standard error display.

#define QTEST_QPA_MOUSE_HANDLING
#include "Application.h"
#include "Controls.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "PublishedTypeChecks.h"
#include "StdCtrls.h"

#include <QAction>
#include <QMessageBox>
#include <QScreen>
#include <QtTest>

namespace {

// A control that counts what reaches it.
class TProbe : public TCustomControl
{
    Z_CLASS(TProbe)
public:
    using TCustomControl::TCustomControl;
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override
    {
        ++downs;
        TCustomControl::MouseDown(b, s, x, y);
    }
    void MouseUp(TMouseButton b, TShiftState s, int x, int y) override
    {
        ++ups;
        TCustomControl::MouseUp(b, s, x, y);
    }
    int downs = 0;
    int ups = 0;
};
Z_DEFINE_CLASS(TProbe, TCustomControl, NoPublishedProps)

struct FilterLog
{
    void Filter(TMsg &msg, bool &handled)
    {
        if (msg.message == WM_MOUSEMOVE)
            return;
        messages.append(msg.message);
        targets.append(msg.hwnd);
        keyStates.append(msg.wParam);
        handled = swallowPresses && msg.message == WM_LBUTTONDOWN;
    }
    void Throwing(TMsg &, bool &) { throw EInvalidOperation(QStringLiteral("filter broke")); }
    QList<quint32> messages;
    QList<QWidget *> targets;
    QList<quint64> keyStates;
    bool swallowPresses = false;
};

struct CloseLog
{
    void OnClose(TObject *, TCloseAction &action)
    {
        ++closes;
        action = nextAction;
    }
    void OnCloseQuery(TObject *, bool &canClose) { canClose = allow; }
    void Broken(TObject *) { throw EConvertError(QStringLiteral("'x' is not a valid integer value")); }
    int closes = 0;
    TCloseAction nextAction = caHide;
    bool allow = true;
};

TProbe *Probe(TComponent *owner, TWinControl *parent, const QRect &bounds, TAlign align = alNone)
{
    auto *p = new TProbe(owner);
    p->SetBoundsRect(bounds);
    p->SetAlign(align);
    p->SetParent(parent);
    return p;
}

} // namespace

class FormsTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TApplication> m_app;
    QList<TMessageBoxRequest> m_boxes;

private slots:
    void init()
    {
        m_app = std::make_unique<TApplication>(nullptr);
        m_boxes.clear();
        m_app->MessageBoxSeam = [this](const TMessageBoxRequest &r) {
            m_boxes.append(r);
            return IDOK;
        };
    }
    void cleanup() { m_app.reset(); }

    void eachKeyReachesTheFormOnce_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::newRow("key preview") << true;
        QTest::newRow("no preview") << false;
    }
    void eachKeyReachesTheFormOnce()
    {
        // A key the focused control does not use: with key preview the form sees it before
        // the control and not again afterwards; without, the key stays the control's.
        QFETCH(bool, preview);
        TForm form(nullptr);
        form.SetKeyPreview(preview);
        auto *edit = new TEdit(&form);
        edit->SetParent(&form);
        struct Counter {
            int keys = 0;
            void Down(TObject *, quint16 &key, TShiftState)
            {
                if (key == VK_F11)
                    ++keys;
            }
        } counter;
        form.OnKeyDown = TKeyEvent::Of<&Counter::Down>(&counter);
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.Handle()));
        edit->Handle()->setFocus();
        QTest::keyClick(edit->Handle(), Qt::Key_F11);
        QCOMPARE(counter.keys, preview ? 1 : 0);
    }

    void filterSeesEachPressAndReleaseOnce()
    {
        TForm form(nullptr);
        form.SetBounds(10, 10, 300, 200);
        TProbe *left = Probe(&form, &form, QRect(10, 10, 100, 100));
        TProbe *right = Probe(&form, &form, QRect(150, 10, 100, 100));
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.Handle()));
        FilterLog log;
        const TMessageEvent previous = m_app->SetOnMessage(TMessageEvent::Of<&FilterLog::Filter>(&log));
        QVERIFY(!previous.Assigned());

        QTest::mouseClick(right->Handle(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 6));
        QCOMPARE(log.messages, (QList<quint32>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
        QCOMPARE(log.targets.first(), right->Handle());
        QCOMPARE(log.keyStates.first() & 0x5, quint64(0x5)); // left button and Shift
        QCOMPARE(right->downs, 1);
        QCOMPARE(right->ups, 1);

        log.messages.clear();
        log.swallowPresses = true;
        QTest::mouseClick(left->Handle(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(log.messages, (QList<quint32>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
        QCOMPARE(left->downs, 0); // the handled press never reached the control

        // Installing another filter hands back the one it replaces.
        const TMessageEvent mine = m_app->SetOnMessage(TMessageEvent());
        QVERIFY(mine == TMessageEvent::Of<&FilterLog::Filter>(&log));
    }

    void errorInFilterIsShownAndProgramGoesOn()
    {
        TForm form(nullptr);
        TProbe *probe = Probe(&form, &form, QRect(0, 0, 50, 50));
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.Handle()));
        FilterLog log;
        m_app->SetOnMessage(TMessageEvent::Of<&FilterLog::Throwing>(&log));
        QTest::mouseClick(probe->Handle(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(m_boxes.size() >= 1);
        QCOMPARE(m_boxes.first().Text, QStringLiteral("filter broke."));
        QCOMPARE(m_boxes.first().Flags & MB_ICONSTOP, int(MB_ICONSTOP));
        m_app->SetOnMessage(TMessageEvent());
    }

    void errorInHandlerIsShown()
    {
        TForm form(nullptr);
        TProbe *probe = Probe(&form, &form, QRect(0, 0, 50, 50));
        CloseLog log;
        probe->OnClick = TNotifyEvent::Of<&CloseLog::Broken>(&log);
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.Handle()));
        QTest::mouseClick(probe->Handle(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes.first().Text, QStringLiteral("'x' is not a valid integer value."));
    }

    void showModalReturnsResultAndDisablesOthers()
    {
        TForm other(nullptr);
        other.Show();
        TForm dialog(nullptr);
        bool otherWasDisabled = false;
        QTimer::singleShot(0, [&] {
            otherWasDisabled = !other.Handle()->isEnabled();
            QVERIFY(dialog.Modal());
            dialog.SetModalResult(mrOk);
        });
        QCOMPARE(dialog.ShowModal(), mrOk);
        QVERIFY(otherWasDisabled);
        QVERIFY(other.Handle()->isEnabled());
        QVERIFY(!dialog.Visible());
        QVERIFY_THROWS_EXCEPTION(EInvalidOperation, other.ShowModal());
    }

    void closingAModalFormCallsOnCloseAndCanBeRefused()
    {
        TForm dialog(nullptr);
        CloseLog log;
        dialog.OnClose = TCloseEvent::Of<&CloseLog::OnClose>(&log);
        log.nextAction = caNone;
        int attempts = 0;
        std::function<void()> closeLater = [&] {
            ++attempts;
            if (attempts == 2)
                log.nextAction = caHide;
            dialog.Handle()->close(); // as the window's close box does
            if (attempts < 2)
                QTimer::singleShot(0, closeLater);
        };
        QTimer::singleShot(0, closeLater);
        QCOMPARE(dialog.ShowModal(), mrCancel);
        QCOMPARE(log.closes, 2); // the first close was refused with caNone
    }

    void closeHidesAndRespectsCloseQuery()
    {
        TForm form(nullptr);
        CloseLog log;
        form.OnClose = TCloseEvent::Of<&CloseLog::OnClose>(&log);
        form.OnCloseQuery = TCloseQueryEvent::Of<&CloseLog::OnCloseQuery>(&log);
        form.Show();
        log.allow = false;
        form.Close();
        QVERIFY(form.Visible());
        QCOMPARE(log.closes, 0);
        log.allow = true;
        form.Close();
        QVERIFY(!form.Visible());
        QVERIFY(!form.Handle()->isVisible());
    }

    void alignmentLaysChildrenOutInClassicOrder()
    {
        TForm form(nullptr);
        form.SetBorderStyle(bsNone);
        form.SetBounds(0, 0, 400, 300);
        TProbe *client = Probe(&form, &form, QRect(0, 0, 10, 10), alClient);
        TProbe *bottom = Probe(&form, &form, QRect(0, 0, 10, 19), alBottom);
        TProbe *top2 = Probe(&form, &form, QRect(0, 50, 10, 20), alTop);
        TProbe *top1 = Probe(&form, &form, QRect(0, 0, 10, 30), alTop);
        TProbe *left = Probe(&form, &form, QRect(0, 0, 40, 10), alLeft);
        TProbe *right = Probe(&form, &form, QRect(0, 0, 60, 10), alRight);
        form.Show();
        QCOMPARE(top1->BoundsRect(), QRect(0, 0, 400, 30));
        QCOMPARE(top2->BoundsRect(), QRect(0, 30, 400, 20));
        QCOMPARE(bottom->BoundsRect(), QRect(0, 281, 400, 19));
        QCOMPARE(left->BoundsRect(), QRect(0, 50, 40, 231));
        QCOMPARE(right->BoundsRect(), QRect(340, 50, 60, 231));
        QCOMPARE(client->BoundsRect(), QRect(40, 50, 300, 231));
        // Redone when the parent resizes.
        form.SetWidth(500);
        QCOMPARE(client->BoundsRect(), QRect(40, 50, 400, 231));
        QCOMPARE(client->Handle()->geometry(), QRect(40, 50, 400, 231));
        // A hidden aligned child gives its room away.
        top2->Hide();
        QCOMPARE(client->Top(), 30);
    }

    void controlTreeOrderAndHitTest()
    {
        TForm form(nullptr);
        TProbe *a = Probe(&form, &form, QRect(0, 0, 100, 100));
        TProbe *b = Probe(&form, &form, QRect(50, 50, 100, 100));
        QCOMPARE(form.ControlCount(), 2);
        QCOMPARE(form.Controls(0), a);
        QCOMPARE(form.ControlAtPos(QPoint(60, 60)), b);
        a->BringToFront();
        QCOMPARE(form.Controls(1), a);
        QCOMPARE(form.ControlAtPos(QPoint(60, 60)), a);
        QCOMPARE(form.ControlAtPos(QPoint(99, 99)), a); // inside is inclusive of the last pixel
        QCOMPARE(form.ControlAtPos(QPoint(200, 200)), nullptr);
        TProbe *inner = Probe(&form, b, QRect(10, 10, 20, 20));
        form.Show();
        QCOMPARE(inner->ClientToScreen(QPoint(1, 2)),
                 form.ClientToScreen(QPoint(50 + 10 + 1, 50 + 10 + 2)));
        QCOMPARE(inner->ScreenToClient(inner->ClientToScreen(QPoint(3, 4))), QPoint(3, 4));
        QVERIFY_THROWS_EXCEPTION(EInvalidOperation, b->SetParent(static_cast<TWinControl *>(inner)));
        // A parent frees the children it still holds, whoever owns them.
        TComponent otherOwner(nullptr);
        TProbe *foreign = Probe(&otherOwner, b, QRect(0, 0, 5, 5));
        Q_UNUSED(foreign);
        Free(b);
        QCOMPARE(otherOwner.ComponentCount(), 0);
        QCOMPARE(form.ControlCount(), 1);
    }

    void designStateMakesControlsInert()
    {
        TForm form(nullptr);
        TProbe *probe = Probe(&form, &form, QRect(10, 10, 50, 50));
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.Handle()));
        form.SetDesigning(true);
        QVERIFY(probe->Designing());
        QTest::mouseClick(probe->Handle(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(probe->downs, 0);
        QCOMPARE(probe->Handle()->focusPolicy(), Qt::NoFocus);
        // Hidden controls still show at design time.
        probe->Hide();
        QVERIFY(probe->Handle()->isVisible());
        form.SetDesigning(false);
        QVERIFY(!probe->Handle()->isVisible());
    }

    void fontAndColorFollowTheParent()
    {
        TForm form(nullptr);
        TProbe *child = Probe(&form, &form, QRect(0, 0, 10, 10));
        form.Font()->SetHeight(-15);
        QCOMPARE(child->Font()->Height(), -15);
        child->Font()->SetHeight(-9);
        QVERIFY(!child->ParentFont());
        form.Font()->SetHeight(-20);
        QCOMPARE(child->Font()->Height(), -9);
        form.SetColor(clWhite);
        QCOMPARE(child->Color(), clWhite);
    }

    void windowStateKeepsNormalBounds()
    {
        TForm form(nullptr);
        form.SetBounds(100, 80, 300, 200);
        form.Show();
        form.SetWindowState(wsMaximized);
        QCOMPARE(form.WindowState(), wsMaximized);
        QCOMPARE(form.NormalBoundsRect(), QRect(100, 80, 300, 200));
        form.SetWindowState(wsNormal);
        QCOMPARE(form.BoundsRect(), QRect(100, 80, 300, 200));
    }

    void outerBoundsAreTheWindowsRealFrame_data()
    {
        QTest::addColumn<int>("border");
        QTest::newRow("sizeable") << int(bsSizeable);
        QTest::newRow("sizeable tool window") << int(bsSizeToolWin);
        QTest::newRow("single") << int(bsSingle);
        QTest::newRow("dialog") << int(bsDialog);
    }
    void outerBoundsAreTheWindowsRealFrame()
    {
        QFETCH(int, border);
        TForm form(nullptr);
        form.SetBorderStyle(TFormBorderStyle(border));
        form.SetBounds(100, 80, 300, 200);
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.Handle()));
        // Shown, moved and shown again, the frame stands where the bounds say.
        for (const QRect &place : {QRect(100, 80, 300, 200), QRect(40, 30, 260, 180)}) {
            form.SetBoundsRect(place);
            form.Hide();
            form.Show();
            QApplication::processEvents();
            QCOMPARE(form.Handle()->frameGeometry(), place);
            QCOMPARE(form.BoundsRect(), place);
        }
    }

    void userResizeAlignsTheChildrenAtOnce()
    {
        TForm form(nullptr);
        form.SetBounds(10, 10, 300, 200);
        TProbe *bottom = Probe(&form, &form, QRect(0, 0, 10, 20), alBottom);
        TProbe *client = Probe(&form, &form, QRect(0, 0, 10, 10), alClient);
        form.Show();
        // Each resize the window system reports, the last of a quick drag included, leaves the
        // children filling the client area: no band left over, the bottom one at the bottom.
        for (const QSize &size : {QSize(420, 330), QSize(250, 160), QSize(500, 400)}) {
            form.Handle()->resize(size);
            QCOMPARE(bottom->Top() + bottom->Height(), form.ClientHeight());
            QCOMPARE(client->Width(), form.ClientWidth());
            QCOMPARE(client->Height() + bottom->Height(), form.ClientHeight());
        }
    }

    void constrainedFormMaximizesWithinItsConstraints()
    {
        TForm form(nullptr);
        form.Constraints()->SetMinHeight(127);
        form.Constraints()->SetMaxHeight(127);
        form.SetBounds(100, 80, 300, 127);
        form.Show();
        form.SetWindowState(wsMaximized);
        const QRect area = form.Handle()->screen()->availableGeometry();
        const QRect strip(area.left(), area.top(), area.width(), 127);
        QCOMPARE(form.WindowState(), wsMaximized);
        QCOMPARE(form.BoundsRect(), strip);
        QCOMPARE(form.Handle()->frameGeometry(), strip);
        QCOMPARE(form.NormalBoundsRect(), QRect(100, 80, 300, 127));
        // The user cannot drag it taller either.
        form.Handle()->resize(form.Handle()->width(), 400);
        QCOMPARE(form.Handle()->frameGeometry().height(), 127);
        form.SetWindowState(wsNormal);
        QCOMPARE(form.BoundsRect(), QRect(100, 80, 300, 127));
        QCOMPARE(form.Handle()->frameGeometry(), QRect(100, 80, 300, 127));
    }

    void messageBoxOffersOnlyItsCloseButton()
    {
        m_app->MessageBoxSeam = nullptr;
        Qt::WindowFlags flags;
        QTimer::singleShot(0, [&flags] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                    flags = box->windowFlags();
                    box->accept();
                }
            }
        });
        QCOMPARE(m_app->MessageBox(QStringLiteral("Text"), QStringLiteral("Caption"),
                                   MB_OK | MB_ICONERROR),
                 IDOK);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    }

    void menuLinesShowNoText()
    {
        TForm form(nullptr);
        auto *menu = new TPopupMenu(&form);
        menu->SetAutoHotkeys(maManual); // the texts as the captions give them
        for (const char *caption : {"Open", "-", "Close"}) {
            auto *item = new TMenuItem(&form);
            item->SetCaption(QString::fromLatin1(caption));
            menu->Items()->Add(item);
        }
        QAction *line = menu->Items()->Items(1)->QtAction();
        QVERIFY(line->isSeparator());
        QCOMPARE(line->text(), QString());
        QCOMPARE(menu->Items()->Items(1)->Caption(), QStringLiteral("-"));
        // A line that becomes an item shows its caption again.
        menu->Items()->Items(1)->SetCaption(QStringLiteral("Save"));
        QVERIFY(!line->isSeparator());
        QCOMPARE(line->text(), QStringLiteral("Save"));
    }

    void menuForgetsAFreedImageListAndNamesFollowCaptions()
    {
        TForm form(nullptr);
        auto *menu = new TPopupMenu(&form);
        auto *images = new TImageList(nullptr);
        SetOrdProp(menu, GetPropInfo(menu, "Images"),
                   qint64(reinterpret_cast<std::intptr_t>(static_cast<TObject *>(images))));
        QCOMPARE(static_cast<TObject *>(menu->Images()), static_cast<TObject *>(images));
        Free(images);
        QCOMPARE(menu->Images(), nullptr);
        QCOMPARE(GetEnumName(GetPropInfo(menu, "TrackButton")->PropType,
                             GetOrdProp(menu, GetPropInfo(menu, "TrackButton"))),
                 QStringLiteral("tbRightButton"));
        // A control whose caption still reads its name follows a rename; others keep theirs.
        TProbe *probe = Probe(&form, &form, QRect(0, 0, 10, 10));
        probe->SetName("Probe1");
        QCOMPARE(probe->Caption(), QStringLiteral("Probe1"));
        probe->SetName("Probe2");
        QCOMPARE(probe->Caption(), QStringLiteral("Probe2"));
        probe->SetCaption("Mine");
        probe->SetName("Probe3");
        QCOMPARE(probe->Caption(), QStringLiteral("Mine"));
    }

    void freeingAFormRunsOnDestroyWhileItIsWhole()
    {
        auto *form = new TForm(nullptr);
        struct Watcher
        {
            void Destroyed(TObject *sender) { name = static_cast<TForm *>(sender)->Caption(); }
            QString name;
        } watcher;
        form->SetCaption(QStringLiteral("Going"));
        form->OnDestroy = TNotifyEvent::Of<&Watcher::Destroyed>(&watcher);
        Free(form);
        QCOMPARE(watcher.name, QStringLiteral("Going"));
    }

    void formPublishesSizingDockingAndMenuProperties_data()
    {
        AddPublishedTypeColumns();
        const TClass form = TForm::StaticClass();
        const PTypeInfo item = TMenuItem::StaticClass()->ClassTypeInfo();
        AddPublishedTypeRow(form, "AutoSize", TypeInfoBoolean(), 0);
        AddPublishedTypeRow(form, "DefaultMonitor", TypeInfoTDefaultMonitor(), dmActiveForm);
        AddPublishedTypeRow(form, "DockSite", TypeInfoBoolean(), 0);
        AddPublishedTypeRow(form, "UseDockManager", TypeInfoBoolean(), 0);
        AddPublishedTypeRow(form, "WindowMenu", item, TPropInfo::NoDefault);
        AddPublishedTypeRow(form, "ObjectMenuItem", item, TPropInfo::NoDefault);
    }
    void formPublishesSizingDockingAndMenuProperties()
    {
        VerifyPublishedTypeAndDefault();
        // A new form has the stored default (nil for the references).
        QFETCH(QString, prop);
        QFETCH(qint64, defaultValue);
        TForm form(nullptr);
        const qint64 expected = defaultValue == TPropInfo::NoDefault ? 0 : defaultValue;
        QCOMPARE(GetOrdProp(&form, GetPropInfo(&form, prop)), expected);
    }

    void menuReferencesAreFreeNotified()
    {
        TForm form(nullptr);
        auto *menu = new TMainMenu(&form);
        auto *window = new TMenuItem(&form);
        auto *object = new TMenuItem(nullptr); // owned elsewhere: only free notification helps
        menu->Items()->Add(window);
        form.SetWindowMenu(window);
        form.SetObjectMenuItem(object);
        // The object item waits, disabled, for an embedded object to activate it.
        QVERIFY(!object->Enabled());
        Free(window);
        QCOMPARE(form.WindowMenu(), nullptr);
        Free(object);
        QCOMPARE(form.ObjectMenuItem(), nullptr);
    }

    void autoSizeFitsTheClientToTheControls_data()
    {
        QTest::addColumn<QList<QRect>>("bounds");
        QTest::addColumn<QList<int>>("aligns");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QPoint>("firstUnaligned");
        QTest::newRow("one control far in")
            << QList<QRect>{{50, 40, 75, 25}} << QList<int>{alNone} << QSize(75, 25)
            << QPoint(0, 0);
        QTest::newRow("two controls keep their distance")
            << QList<QRect>{{10, 10, 50, 20}, {100, 60, 30, 30}} << QList<int>{alNone, alNone}
            << QSize(120, 80) << QPoint(0, 0);
        QTest::newRow("below a top-aligned panel")
            << QList<QRect>{{0, 0, 10, 30}, {20, 50, 75, 25}} << QList<int>{alTop, alNone}
            << QSize(75, 55) << QPoint(0, 30);
        QTest::newRow("beside left- and right-aligned panels")
            << QList<QRect>{{0, 0, 40, 10}, {100, 10, 75, 25}, {0, 0, 15, 10}}
            << QList<int>{alLeft, alNone, alRight} << QSize(130, 25) << QPoint(40, 0);
        QTest::newRow("only aligned: the other side keeps its size")
            << QList<QRect>{{0, 0, 10, 30}, {0, 0, 10, 20}} << QList<int>{alTop, alBottom}
            << QSize(320, 50) << QPoint(-1, -1);
    }
    void autoSizeFitsTheClientToTheControls()
    {
        QFETCH(QList<QRect>, bounds);
        QFETCH(QList<int>, aligns);
        QFETCH(QSize, client);
        QFETCH(QPoint, firstUnaligned);
        TForm form(nullptr);
        form.SetBorderStyle(bsNone);
        form.SetBounds(0, 0, 320, 240);
        TProbe *unaligned = nullptr;
        for (int i = 0; i < bounds.size(); ++i) {
            TProbe *p = Probe(&form, &form, bounds[i], TAlign(aligns[i]));
            if (aligns[i] == alNone && !unaligned)
                unaligned = p;
        }
        form.SetAutoSize(true);
        QCOMPARE(QSize(form.ClientWidth(), form.ClientHeight()), client);
        if (unaligned)
            QCOMPARE(unaligned->BoundsRect().topLeft(), firstUnaligned);
        // The same once the form has its window.
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.Handle()));
        QCOMPARE(QSize(form.ClientWidth(), form.ClientHeight()), client);
        QCOMPARE(form.ClientWidget()->size(), client);
    }

    void autoSizeFollowsTheControls()
    {
        TForm form(nullptr);
        form.SetBorderStyle(bsNone);
        TProbe *first = Probe(&form, &form, QRect(0, 0, 50, 20));
        form.SetAutoSize(true);
        form.Show();
        QCOMPARE(QSize(form.ClientWidth(), form.ClientHeight()), QSize(50, 20));
        TProbe *second = Probe(&form, &form, QRect(60, 30, 40, 40));
        QCOMPARE(QSize(form.ClientWidth(), form.ClientHeight()), QSize(100, 70));
        second->SetWidth(140);
        QCOMPARE(form.ClientWidth(), 200);
        second->Hide();
        QCOMPARE(QSize(form.ClientWidth(), form.ClientHeight()), QSize(50, 20));
        first->SetHeight(35);
        QCOMPARE(form.ClientHeight(), 35);
        // Without AutoSize the form keeps its size (and scrolls what no longer fits).
        form.SetAutoSize(false);
        first->SetBounds(0, 0, 300, 300);
        QCOMPARE(form.BoundsRect().size(), QSize(50, 35));
    }

    void positionPlacesTheFormAsItFirstShows_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QRect>("expected");
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect centred(screen.left() + (screen.width() - 200) / 2,
                            screen.top() + (screen.height() - 100) / 2, 200, 100);
        QTest::newRow("designed") << int(poDesigned) << QRect(5, 6, 200, 100);
        QTest::newRow("screen centre") << int(poScreenCenter) << centred;
        QTest::newRow("desktop centre") << int(poDesktopCenter) << centred;
        QTest::newRow("main form centre") << int(poMainFormCenter) << QRect(200, 200, 200, 100);
        QTest::newRow("owner form centre") << int(poOwnerFormCenter) << QRect(50, 60, 200, 100);
    }
    void positionPlacesTheFormAsItFirstShows()
    {
        QFETCH(int, position);
        QFETCH(QRect, expected);
        auto *mainForm = new TForm(m_app.get());
        m_app->SetMainForm(mainForm);
        mainForm->SetBoundsRect(QRect(100, 100, 400, 300));
        TForm owner(nullptr);
        owner.SetBoundsRect(QRect(0, 10, 300, 200));
        auto *form = new TForm(&owner);
        form->SetBorderStyle(bsNone);
        form->SetBoundsRect(QRect(5, 6, 200, 100));
        form->SetPosition(TPosition(position));
        form->Show();
        QCOMPARE(form->BoundsRect(), expected);
        // Once placed, the form stays where it is put.
        form->Hide();
        form->SetBounds(7, 8, 200, 100);
        form->Show();
        QCOMPARE(form->BoundsRect(), QRect(7, 8, 200, 100));
    }

    // Regression: a click on a control that takes no focus gives the focus to the form's
    // client area, and the next control takes it back; the client was repainted whole each
    // time, every control on the form with it.
    void focusThroughTheFormRepaintsNoControl()
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 200, 120);
        auto *edit = new TEdit(&form);
        edit->SetBounds(10, 10, 80, 21);
        edit->SetParent(&form);
        auto *box = new TPaintBox(&form);
        box->SetBounds(100, 50, 80, 50);
        box->SetParent(&form);
        struct PaintCount
        {
            void Painted(TObject *) { ++count; }
            int count = 0;
        } paints;
        box->OnPaint = TNotifyEvent::Of<&PaintCount::Painted>(&paints);
        form.Show();
        QVERIFY(QTest::qWaitForWindowActive(form.Handle()));
        edit->SetFocus();
        QApplication::processEvents();
        paints.count = 0;
        QTest::mouseClick(box->Handle(), Qt::LeftButton, {}, QPoint(40, 25));
        QCOMPARE(QApplication::focusWidget(), form.ClientWidget());
        edit->SetFocus();
        QVERIFY(edit->Focused());
        QApplication::processEvents();
        QCOMPARE(paints.count, 0);
        // A repaint asked for still paints.
        form.Invalidate();
        QApplication::processEvents();
        QCOMPARE(paints.count, 1);
    }

    void designedFormsKeepTheirPlace()
    {
        TForm form(nullptr);
        form.SetBoundsRect(QRect(5, 6, 200, 100));
        form.SetPosition(poScreenCenter);
        form.SetDesigning(true);
        form.Show();
        QCOMPARE(form.BoundsRect(), QRect(5, 6, 200, 100));
    }
};

QTEST_MAIN(FormsTest)
#include "tst_forms.moc"
