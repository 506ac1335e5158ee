// Actions, action lists and their clients: what a control or menu item takes from its action,
// how it follows later changes, what a click executes, and that freeing an action, a list or a
// client leaves no reference behind.

#define QTEST_QPA_MOUSE_HANDLING
#include "ActionClients.h"
#include "ActnList.h"
#include "Application.h"
#include "Buttons.h"
#include "CheckLst.h"
#include "ComCtrls.h"
#include "ComCtrlsInput.h"
#include "ComCtrlsRichEdit.h"
#include "DBCtrls.h"
#include "DBGrids.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "Grids.h"
#include "ImgList.h"
#include "Mask.h"
#include "Menus.h"
#include "PublishedTypeChecks.h"
#include "StdCtrls.h"

#include <QtTest>

#include <memory>

namespace {

struct Log
{
    void Executed(TObject *sender)
    {
        executed.append(sender);
        if (auto *action = ObjectCast<TBasicAction>(sender))
            components.append(action->ActionComponent());
        if (toggleOnExecute)
            toggleAction->SetChecked(!toggleAction->Checked());
    }
    void OwnClick(TObject *sender) { ownClicks.append(sender); }
    void Updated(TObject *sender) { updated.append(sender); }
    void ListExecute(TBasicAction *action, bool &handled)
    {
        listSaw.append(action);
        handled = listHandles;
    }
    void ListChanged(TObject *) { ++listChanges; }
    QList<TObject *> executed;
    QList<TComponent *> components;
    QList<TObject *> ownClicks;
    QList<TObject *> updated;
    QList<TBasicAction *> listSaw;
    int listChanges = 0;
    bool listHandles = false;
    bool toggleOnExecute = false;
    TCustomAction *toggleAction = nullptr;
};

enum ClientKind { kButton, kCheckBox, kRadioButton, kSpeedButton, kMenuItem, kForm };

// A client of the kind, owned by owner (and placed on parent when a control).
TComponent *MakeClient(ClientKind kind, TComponent *owner, TWinControl *parent)
{
    TControl *control = nullptr;
    switch (kind) {
    case kButton: control = new TButton(owner); break;
    case kCheckBox: control = new TCheckBox(owner); break;
    case kRadioButton: control = new TRadioButton(owner); break;
    case kSpeedButton: {
        auto *b = new TSpeedButton(owner);
        b->SetGroupIndex(1);
        b->SetAllowAllUp(true);
        control = b;
        break;
    }
    case kMenuItem: return new TMenuItem(owner);
    case kForm: return new TForm(owner);
    }
    control->SetParent(parent);
    return control;
}

// Reads and writes values through the published properties, as the inspector does.
qint64 Ord(TObject *obj, const char *prop)
{
    return GetOrdProp(obj, GetPropInfo(obj, QString::fromLatin1(prop)));
}

QString Str(TObject *obj, const char *prop)
{
    return GetStrProp(obj, GetPropInfo(obj, QString::fromLatin1(prop)));
}

void SetActionProp(TObject *client, TBasicAction *action)
{
    SetOrdProp(client, GetPropInfo(client, QStringLiteral("Action")),
               qint64(reinterpret_cast<std::intptr_t>(static_cast<TObject *>(action))));
}

// The name of the property that shows an action's Checked on the client, or nullptr.
const char *CheckedProp(ClientKind kind)
{
    switch (kind) {
    case kCheckBox: case kRadioButton: case kMenuItem: return "Checked";
    case kSpeedButton: return "Down";
    default: return nullptr;
    }
}

} // namespace

class ActionsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TApplication> m_app;
    std::unique_ptr<TForm> m_form;
    TActionList *m_list = nullptr;
    TAction *m_action = nullptr;
    Log m_log;

    void AddClientColumns()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("button") << int(kButton);
        QTest::newRow("check box") << int(kCheckBox);
        QTest::newRow("radio button") << int(kRadioButton);
        QTest::newRow("speed button") << int(kSpeedButton);
        QTest::newRow("menu item") << int(kMenuItem);
        QTest::newRow("form") << int(kForm);
    }

private slots:
    void init()
    {
        m_app = std::make_unique<TApplication>(nullptr);
        m_form = std::make_unique<TForm>(nullptr);
        m_list = new TActionList(m_form.get());
        m_action = new TAction(m_form.get());
        m_action->SetActionList(m_list);
        m_action->SetOnExecute(TNotifyEvent::Of<&Log::Executed>(&m_log));
        m_log = Log();
    }
    void cleanup()
    {
        m_form.reset();
        m_app.reset();
    }

    void clientTakesTheActionsValues_data() { AddClientColumns(); }
    void clientTakesTheActionsValues()
    {
        QFETCH(int, kind);
        m_action->SetCaption(QStringLiteral("&Open"));
        m_action->SetEnabled(false);
        m_action->SetHint(QStringLiteral("Opens a file"));
        m_action->SetHelpContext(42);
        m_action->SetChecked(true);
        TComponent *client = MakeClient(ClientKind(kind), m_form.get(), m_form.get());
        SetActionProp(client, m_action);

        QCOMPARE(Ord(client, "Action"), qint64(reinterpret_cast<std::intptr_t>(
                                             static_cast<TObject *>(m_action))));
        QCOMPARE(Str(client, "Caption"), QStringLiteral("&Open"));
        QCOMPARE(Ord(client, "Enabled"), qint64(0));
        QCOMPARE(Str(client, "Hint"), QStringLiteral("Opens a file"));
        if (GetPropInfo(client, QStringLiteral("HelpContext")))
            QCOMPARE(Ord(client, "HelpContext"), qint64(42));
        if (const char *checked = CheckedProp(ClientKind(kind)))
            QCOMPARE(Ord(client, checked), qint64(1));
        // The action's handler became the client's click handler.
        const TPropInfo *onClick = GetPropInfo(client, QStringLiteral("OnClick"));
        QCOMPARE(GetMethodProp(client, onClick), m_action->OnExecute().Method());
        // Taking the state over is no click: the action did not execute.
        QVERIFY(m_log.executed.isEmpty());
    }

    void clientFollowsLaterChanges_data() { AddClientColumns(); }
    void clientFollowsLaterChanges()
    {
        QFETCH(int, kind);
        TComponent *client = MakeClient(ClientKind(kind), m_form.get(), m_form.get());
        SetActionProp(client, m_action);
        m_action->SetCaption(QStringLiteral("Save"));
        QCOMPARE(Str(client, "Caption"), QStringLiteral("Save"));
        m_action->SetEnabled(false);
        QCOMPARE(Ord(client, "Enabled"), qint64(0));
        m_action->SetEnabled(true);
        QCOMPARE(Ord(client, "Enabled"), qint64(1));
        m_action->SetHint(QStringLiteral("Saves"));
        QCOMPARE(Str(client, "Hint"), QStringLiteral("Saves"));
        if (const char *checked = CheckedProp(ClientKind(kind))) {
            m_action->SetChecked(true);
            QCOMPARE(Ord(client, checked), qint64(1));
            m_action->SetChecked(false);
            QCOMPARE(Ord(client, checked), qint64(0));
        }
        QVERIFY(m_log.executed.isEmpty());
    }

    void menuItemFollowsShortCutAndImage()
    {
        auto *item = new TMenuItem(m_form.get());
        item->SetAction(m_action);
        m_action->SetShortCut(0x4000 | 'S');
        m_action->SetImageIndex(3);
        m_action->SetVisible(false);
        QCOMPARE(item->ShortCut(), TShortCut(0x4000 | 'S'));
        QCOMPARE(item->ImageIndex(), 3);
        QVERIFY(!item->Visible());
    }

    void clickingTheControlExecutesTheAction()
    {
        auto *button = static_cast<TButton *>(MakeClient(kButton, m_form.get(), m_form.get()));
        button->SetBounds(10, 10, 75, 25);
        button->SetAction(m_action);
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->Handle()));
        QTest::mouseClick(button->Handle(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(m_log.executed, (QList<TObject *>{m_action}));
        // While it ran, the action knew which client started it; afterwards it forgets.
        QCOMPARE(m_log.components, (QList<TComponent *>{button}));
        QCOMPARE(m_action->ActionComponent(), nullptr);
    }

    void checkBoxClickTogglingTheActionRunsOnce()
    {
        auto *box = static_cast<TCheckBox *>(MakeClient(kCheckBox, m_form.get(), m_form.get()));
        box->SetAction(m_action);
        m_log.toggleOnExecute = true;
        m_log.toggleAction = m_action;
        box->SetChecked(true); // the user's click, by code
        QCOMPARE(m_log.executed.size(), 1);
        QVERIFY(m_action->Checked());
        QVERIFY(box->Checked());
    }

    void ownOnClickWinsOverTheAction_data()
    {
        QTest::addColumn<bool>("ownHandler");
        QTest::addColumn<bool>("actionRuns");
        QTest::newRow("action's handler") << false << true;
        QTest::newRow("own handler") << true << false;
    }
    void ownOnClickWinsOverTheAction()
    {
        QFETCH(bool, ownHandler);
        QFETCH(bool, actionRuns);
        auto *item = new TMenuItem(m_form.get());
        auto *panel = new TPanel(m_form.get());
        panel->SetParent(m_form.get());
        item->SetAction(m_action);
        panel->SetAction(m_action);
        if (ownHandler) {
            item->OnClick = TNotifyEvent::Of<&Log::OwnClick>(&m_log);
            panel->OnClick = TNotifyEvent::Of<&Log::OwnClick>(&m_log);
        }
        item->Click();
        panel->Click();
        QCOMPARE(m_log.executed.size(), actionRuns ? 2 : 0);
        QCOMPARE(m_log.ownClicks.size(), ownHandler ? 2 : 0);
    }

    void disabledActionDoesNotExecute()
    {
        auto *item = new TMenuItem(m_form.get());
        item->SetAction(m_action);
        m_action->SetEnabled(false);
        item->Click();
        QVERIFY(!m_action->Execute());
        QVERIFY(m_log.executed.isEmpty());
    }

    void listHandlesExecuteBeforeTheAction_data()
    {
        QTest::addColumn<bool>("listHandles");
        QTest::newRow("list leaves it") << false;
        QTest::newRow("list handles it") << true;
    }
    void listHandlesExecuteBeforeTheAction()
    {
        QFETCH(bool, listHandles);
        m_log.listHandles = listHandles;
        m_list->OnExecute = TActionEvent::Of<&Log::ListExecute>(&m_log);
        m_action->OnUpdate = TNotifyEvent::Of<&Log::Updated>(&m_log);
        QCOMPARE(m_action->Execute(), true);
        QCOMPARE(m_log.listSaw, (QList<TBasicAction *>{m_action}));
        QCOMPARE(m_log.executed.size(), listHandles ? 0 : 1);
        // Executing updates the action first.
        QCOMPARE(m_log.updated, (QList<TObject *>{m_action}));
    }

    void freeingTheActionClearsEveryReference()
    {
        auto *button = static_cast<TControl *>(MakeClient(kButton, m_form.get(), m_form.get()));
        auto *item = new TMenuItem(m_form.get());
        button->SetAction(m_action);
        item->SetAction(m_action);
        m_form->SetAction(m_action);
        QCOMPARE(m_action->ClientCount(), 3);
        Free(m_action);
        QCOMPARE(button->Action(), nullptr);
        QCOMPARE(item->Action(), nullptr);
        QCOMPARE(m_form->Action(), nullptr);
        QCOMPARE(m_list->ActionCount(), 0);
        // The handler they took stays theirs and still runs.
        button->Click();
        QCOMPARE(m_log.executed, (QList<TObject *>{button}));
    }

    void freeingTheListFreesItsActions()
    {
        auto *item = new TMenuItem(m_form.get());
        item->SetAction(m_action);
        const int owned = m_form->ComponentCount();
        Free(m_list);
        QCOMPARE(item->Action(), nullptr);
        QCOMPARE(m_form->ComponentCount(), owned - 2);
    }

    void freeingAClientUnhooksItsLink()
    {
        auto *button = static_cast<TControl *>(MakeClient(kButton, m_form.get(), m_form.get()));
        button->SetAction(m_action);
        auto *item = new TMenuItem(m_form.get());
        item->SetAction(m_action);
        QCOMPARE(m_action->ClientCount(), 2);
        Free(button);
        Free(item);
        QCOMPARE(m_action->ClientCount(), 0);
        m_action->SetCaption(QStringLiteral("still fine"));
    }

    void clearingTheActionKeepsTheValues()
    {
        auto *button = static_cast<TControl *>(MakeClient(kButton, m_form.get(), m_form.get()));
        m_action->SetCaption(QStringLiteral("Go"));
        button->SetAction(m_action);
        SetActionProp(button, nullptr);
        QCOMPARE(button->Action(), nullptr);
        QCOMPARE(m_action->ClientCount(), 0);
        m_action->SetCaption(QStringLiteral("Stop"));
        QCOMPARE(button->Caption(), QStringLiteral("Go"));
    }

    void listKeepsOrderCategoryAndImages()
    {
        m_list->OnChange = TNotifyEvent::Of<&Log::ListChanged>(&m_log);
        auto *second = new TAction(m_form.get());
        second->SetActionList(m_list);
        auto *third = new TAction(m_form.get());
        third->SetActionList(m_list);
        QCOMPARE(m_log.listChanges, 2);
        third->SetIndex(0);
        QCOMPARE(m_list->Actions(0), third);
        QCOMPARE(m_action->Index(), 1);
        QCOMPARE(second->Index(), 2);
        second->SetCategory(QStringLiteral("File"));
        QCOMPARE(m_log.listChanges, 4);
        second->SetActionList(nullptr);
        QCOMPARE(second->Index(), -1);
        QCOMPARE(m_list->ActionCount(), 2);
        QVERIFY_THROWS_EXCEPTION(EListError, m_list->Actions(2));

        auto *images = new TImageList(m_form.get());
        m_list->SetImages(images);
        const int before = m_log.listChanges;
        TBitmap bitmap(16, 16);
        images->Add(&bitmap, nullptr);
        QVERIFY(m_log.listChanges > before);
        Free(images);
        QCOMPARE(m_list->Images(), nullptr);
    }

    void actionPublishedWhereTheClassicClassesHaveIt_data()
    {
        AddPublishedTypeColumns();
        const PTypeInfo type = TBasicAction::StaticClass()->ClassTypeInfo();
        for (TClass cls :
             {TButton::StaticClass(), TBitBtn::StaticClass(), TCheckBox::StaticClass(),
              TDBCheckBox::StaticClass(), TRadioButton::StaticClass(),
              TSpeedButton::StaticClass(), TStatusBar::StaticClass(), TMenuItem::StaticClass(),
              TForm::StaticClass()})
            AddPublishedTypeRow(cls, "Action", type, TPropInfo::NoDefault);
    }
    void actionPublishedWhereTheClassicClassesHaveIt() { VerifyPublishedTypeAndDefault(); }

    void imeModePublishedOnTextEntryControls_data()
    {
        AddPublishedTypeColumns();
        for (TClass cls :
             {TEdit::StaticClass(), TMemo::StaticClass(), TMaskEdit::StaticClass(),
              TComboBox::StaticClass(), TListBox::StaticClass(), TCheckListBox::StaticClass(),
              TRichEdit::StaticClass(), TDateTimePicker::StaticClass(), TDBEdit::StaticClass(),
              TDBMemo::StaticClass(), TDBRichEdit::StaticClass(), TDBListBox::StaticClass(),
              TDBComboBox::StaticClass(), TDBLookupListBox::StaticClass(),
              TDBLookupComboBox::StaticClass(), TDBGrid::StaticClass()}) {
            AddPublishedTypeRow(cls, "ImeMode", TypeInfoTImeMode(), imDontCare);
            AddPublishedTypeRow(cls, "ImeName", TypeInfoTImeName(), TPropInfo::NoDefault);
        }
    }
    void imeModePublishedOnTextEntryControls() { VerifyPublishedTypeAndDefault(); }

    void classesWithoutThemPublishNeither_data()
    {
        QTest::addColumn<void *>("cls");
        QTest::addColumn<QString>("prop");
        auto row = [](TClass cls, const char *prop) {
            QTest::addRow("%s.%s", cls->Name, prop)
                << const_cast<void *>(static_cast<const void *>(cls)) << QString::fromLatin1(prop);
        };
        row(TEdit::StaticClass(), "Action");
        row(TLabel::StaticClass(), "Action");
        row(TPanel::StaticClass(), "Action");
        row(TButton::StaticClass(), "ImeMode");
        row(TStringGrid::StaticClass(), "ImeMode");
        row(TPanel::StaticClass(), "ImeName");
    }
    void classesWithoutThemPublishNeither()
    {
        QFETCH(void *, cls);
        QFETCH(QString, prop);
        QCOMPARE(GetPropInfo(static_cast<TClass>(cls), prop), nullptr);
    }
};

QTEST_MAIN(ActionsTest)
#include "tst_actions.moc"
