// The designer end to end: the main window creates the design form, the inspector and the code
// editor, wires them together and puts them back where the user left them. Driven as a user
// drives it: "Design" on the host window, palette buttons, clicks on the design form, typing in
// the inspector, F11 and F12, minimizing, closing and opening again.

#define QTEST_QPA_MOUSE_HANDLING
#include "Application.h"
#include "Buttons.h"
#include "ComCtrls.h"
#include "ControlScrollBar.h"
#include "DesignerSession.h"
#include "Dialogs.h"
#include "DsgnIntf.h"
#include "ExtCtrls.h"
#include "Handles.h"
#include "MPlayer.h"
#include "Mask.h"
#include "Menus.h"
#include "Registry.h"
#include "ZeClientComponents.h"
#include "ZeCodeEditor.h"
#include "ZeDesignForm.h"
#include "ZeFormDesigner.h"
#include "ZeObjectInspector.h"
#include "ZePalette.h"
#include "ZePropertyEditors.h"

#include "DesignerActions.h"
#include "XvfbProbe.h"

#include <QtTest>

namespace {

// A component editor with two verbs that records which ran.
class TTwoVerbEditor : public TDefaultEditor
{
    Z_CLASS(TTwoVerbEditor)
public:
    static inline QList<int> Executed;
    int GetVerbCount() override { return 2; }
    QString GetVerb(int index) override
    {
        return index == 0 ? QStringLiteral("First verb") : QStringLiteral("Second verb");
    }
    void ExecuteVerb(int index) override { Executed << index; }
};

} // namespace

Z_DEFINE_CLASS(TTwoVerbEditor, TDefaultEditor, NoPublishedProps)

namespace {

QStringList ComponentList(TfObjectInspector *insp)
{
    QStringList items;
    for (int i = 0; i < insp->cbComponents->Items()->Count(); ++i)
        items << insp->cbComponents->Items()->Strings(i);
    return items;
}

QStringList HandleMenu(TZeIDEForm *ide)
{
    QStringList captions;
    TMenuItem *items = ide->pmHandle->Items();
    for (int i = 0; i < items->Count(); ++i)
        captions << items->Items(i)->Caption();
    return captions;
}

TClass EditorClassOf(TObject *instance, const char *property)
{
    const TPropInfo *prop = GetPropInfo(instance, QString::fromLatin1(property));
    return prop ? FindPropertyEditorClass(prop, instance) : nullptr;
}

} // namespace

class DesignerTest : public HostSessionTest
{
    Q_OBJECT
private slots:
    void firstRunShowsTheFourWindowsAtTheirPlaces()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            QCOMPARE(ide->Handle()->windowTitle(), QStringLiteral("Quorvel Designer 6"));
            QCOMPARE(ide->Handle()->pos(), QPoint(361, 89));
            TfZeDesignForm *form = ide->DesignForm;
            QCOMPARE(form->Owner(), static_cast<TComponent *>(nullptr));
            QVERIFY(form->Visible());
            QCOMPARE(form->Handle()->windowTitle(), QStringLiteral("Designer"));
            QCOMPARE(QPoint(form->Left(), form->Top()), QPoint(531, 236));
            QCOMPARE(ide->Designer->Form, static_cast<TCustomForm *>(form));
            QCOMPARE(form->Designer(), static_cast<TDesigner *>(ide->Designer));
            QCOMPARE(form->StretchHandle->PopupMenu(), ide->pmHandle);

            QCOMPARE(ide->Inspector->Owner(), static_cast<TComponent *>(ide));
            QCOMPARE(ide->Inspector->Handle()->windowTitle(), QStringLiteral("Object Inspector"));
            QCOMPARE(ide->Inspector->Handle()->pos(), QPoint(241, 103));
            QVERIFY(ide->Inspector->Visible() && ide->miObjectInspector->Checked());
            QCOMPARE(ide->CodeEditorWindow->Owner(), static_cast<TComponent *>(ide));
            QCOMPARE(ide->CodeEditorWindow->Handle()->windowTitle(), QStringLiteral("Code Editor"));
            QCOMPARE(ide->CodeEditorWindow->Handle()->pos(), QPoint(480, 104));
            QVERIFY(ide->CodeEditorWindow->Visible() && ide->miCodeEditor->Checked());

            // The inspector starts on the empty design form.
            QCOMPARE(ide->Inspector->InspectedObject, static_cast<TObject *>(form));
            QCOMPARE(ComponentList(ide->Inspector), QStringList{"fZeDesignForm: TZeForm"});
            QVERIFY(!ide->CodeEditorWasVisible && !ide->InspectorWasVisible);
            QCOMPARE(CurrentIDEForm, ide);
        });
    }

    void theWholeRoad()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            TfZeDesignForm *form = ide->DesignForm;
            TfObjectInspector *insp = ide->Inspector;
            Activate(form);
            PickClass(ide, TZeButton::StaticClass());
            ClickDesignForm(form, QPoint(40, 30));
            auto *button = ObjectCast<TZeButton>(form->FindComponent("ZeButton1"));
            QVERIFY(button);
            QCOMPARE(QPoint(button->Left(), button->Top()), QPoint(40, 30));
            QCOMPARE(insp->InspectedObject, static_cast<TObject *>(button));
            QVERIFY(InspectorRow(insp, "Caption"));
            QCOMPARE(insp->cbComponents->Text(), QStringLiteral("ZeButton1: TZeButton"));

            TypeValue(insp, "Caption", "Hello");
            QCOMPARE(button->Caption(), QStringLiteral("Hello"));
            QCOMPARE(button->Handle()->property("text").toString(), QStringLiteral("Hello"));

            // A sticky choice places as often as the user clicks.
            ShowPalettePage(ide, "System");
            Activate(form);
            PickClass(ide, TZeTimer::StaticClass(), Qt::ShiftModifier);
            ClickDesignForm(form, QPoint(200, 40));
            ClickDesignForm(form, QPoint(260, 40));
            QVERIFY(form->FindComponent("ZeTimer1") && form->FindComponent("ZeTimer2"));
            // The proxy stands in the selection; the inspector shows the timer itself.
            QCOMPARE(insp->InspectedObject, form->FindComponent("ZeTimer2"));
            QCOMPARE(ComponentList(insp),
                     (QStringList{"fZeDesignForm: TZeForm", "ZeButton1: TZeButton",
                                  "ZeTimer1: TZeTimer", "ZeTimer2: TZeTimer"}));

            // The status bar follows the cursor over the design form.
            QTest::mouseMove(form->ClientWidget(), QPoint(123, 145));
            QCOMPARE(ide->sbIDE->Panels()->Items(1)->Text(), QStringLiteral("123"));
            QCOMPARE(ide->sbIDE->Panels()->Items(3)->Text(), QStringLiteral("145"));

            // F11 and F12 from each window toggle the tool windows and their check marks.
            PressIn(form, Qt::Key_F11);
            QVERIFY(!insp->Visible() && !ide->miObjectInspector->Checked());
            PressIn(ide->CodeEditorWindow, Qt::Key_F11);
            QVERIFY(insp->Visible() && ide->miObjectInspector->Checked());
            PressIn(insp, Qt::Key_F12);
            QVERIFY(!ide->CodeEditorWindow->Visible() && !ide->miCodeEditor->Checked());
            PressIn(form, Qt::Key_F12);
            QVERIFY(ide->CodeEditorWindow->Visible() && ide->miCodeEditor->Checked());
            PressIn(form, Qt::Key_F10); // any other key does nothing
            QVERIFY(insp->Visible() && ide->CodeEditorWindow->Visible());

            // Minimizing hides the tool windows and the design form; restoring brings all back.
            ide->SetWindowState(wsMinimized);
            QVERIFY(!insp->Visible() && !ide->CodeEditorWindow->Visible() && !form->Visible());
            QVERIFY(!ide->miObjectInspector->Checked() && !ide->miCodeEditor->Checked());
            ide->SetWindowState(wsNormal);
            QVERIFY(insp->Visible() && ide->CodeEditorWindow->Visible() && form->Visible());
            QVERIFY(ide->miObjectInspector->Checked() && ide->miCodeEditor->Checked());
            QVERIFY(form->ComponentState() & csDesigning);

            // Where the user leaves the windows is where they come back.
            insp->SetBounds(20, 300, 270, 400);
            ide->CodeEditorWindow->SetBounds(600, 400, 500, 300);
            form->SetBounds(400, 500, 300, 200);
        });
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            QCOMPARE(ide->Inspector->BoundsRect(), QRect(20, 300, 270, 400));
            QCOMPARE(ide->CodeEditorWindow->BoundsRect(), QRect(600, 400, 500, 300));
            // The design form comes back at its place with its created size, and empty.
            TfZeDesignForm *form = ide->DesignForm;
            QCOMPARE(QPoint(form->Left(), form->Top()), QPoint(400, 500));
            QVERIFY(form->Width() != 300 && form->Height() != 200);
            QCOMPARE(ComponentList(ide->Inspector), QStringList{"fZeDesignForm: TZeForm"});
        });
    }

    void closedToolWindowsStayClosedAcrossOpenings()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            // The close box unchecks the View item; the next F11 shows the window again.
            ide->Inspector->Handle()->close();
            QVERIFY(!ide->Inspector->Visible() && !ide->miObjectInspector->Checked());
            PressIn(ide->DesignForm, Qt::Key_F11);
            QVERIFY(ide->Inspector->Visible() && ide->miObjectInspector->Checked());
            ide->miCodeEditor->Click();
            QVERIFY(!ide->CodeEditorWindow->Visible() && !ide->miCodeEditor->Checked());
        });
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            QVERIFY(ide->Inspector->Visible() && ide->miObjectInspector->Checked());
            QVERIFY(!ide->CodeEditorWindow->Visible() && !ide->miCodeEditor->Checked());

            // Minimized with the code editor hidden, restored: it stays hidden, and a later
            // resize shows nothing either.
            ide->Inspector->Handle()->close();
            ide->miCodeEditor->Click();
            ide->SetWindowState(wsMinimized);
            ide->SetWindowState(wsNormal);
            QVERIFY(ide->CodeEditorWindow->Visible() && !ide->Inspector->Visible());
            ide->SetWidth(700);
            QVERIFY(ide->CodeEditorWindow->Visible() && !ide->Inspector->Visible());
            QVERIFY(ide->DesignForm->Visible());
        });
    }

    void storedDesignFormSizeIsIgnored()
    {
        TSettingsStore store;
        QVERIFY(store.Open(MachineSettingsFile(), true));
        store.WriteInteger("FormDesigner", "Left", 90);
        store.WriteInteger("FormDesigner", "Top", 80);
        store.WriteInteger("FormDesigner", "Width", 999);
        store.WriteInteger("FormDesigner", "Height", 777);
        QVERIFY(store.Close());
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            TfZeDesignForm *form = ide->DesignForm;
            QCOMPARE(QPoint(form->Left(), form->Top()), QPoint(90, 80));
            QVERIFY(form->Width() != 999 && form->Height() != 777);
        });
    }

    void componentListFollowsTheFormAndChoosesComponents()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            TfZeDesignForm *form = ide->DesignForm;
            TfObjectInspector *insp = ide->Inspector;
            Activate(form);
            PickClass(ide, TZeEdit::StaticClass());
            ClickDesignForm(form, QPoint(20, 20));
            PickClass(ide, TZeEdit::StaticClass());
            ClickDesignForm(form, QPoint(20, 80));
            QCOMPARE(ComponentList(insp), (QStringList{"fZeDesignForm: TZeForm",
                                                       "ZeEdit1: TZeEdit", "ZeEdit2: TZeEdit"}));

            // A rename shows at once.
            TypeValue(insp, "Name", "Surname");
            QCOMPARE(ComponentList(insp), (QStringList{"fZeDesignForm: TZeForm",
                                                       "ZeEdit1: TZeEdit", "Surname: TZeEdit"}));
            QCOMPARE(insp->cbComponents->Text(), QStringLiteral("Surname: TZeEdit"));

            // Choosing an entry selects that component; the form's entry clears the selection.
            insp->cbComponents->SetItemIndex(1);
            insp->cbComponentsChange(insp->cbComponents);
            QCOMPARE(form->StretchHandle->TargetCount(), 1);
            QCOMPARE(form->StretchHandle->Target(0), form->FindComponent("ZeEdit1"));
            QCOMPARE(insp->InspectedObject, form->FindComponent("ZeEdit1"));
            ide->SelectComponentByName(insp, " zeedit1 : TZeEdit"); // case and blanks ignored
            QCOMPARE(form->StretchHandle->Target(0), form->FindComponent("ZeEdit1"));
            insp->cbComponents->SetItemIndex(0);
            insp->cbComponentsChange(insp->cbComponents);
            QCOMPARE(form->StretchHandle->TargetCount(), 0);

            // Deleting the selected edit takes it off the list.
            insp->cbComponents->SetItemIndex(2);
            insp->cbComponentsChange(insp->cbComponents);
            PressIn(form, Qt::Key_Delete);
            QVERIFY(!form->FindComponent("Surname"));
            QCOMPARE(ComponentList(insp),
                     (QStringList{"fZeDesignForm: TZeForm", "ZeEdit1: TZeEdit"}));
            // The form is selected in its place and shown with its rows (each deletion's
            // report of an empty selection used to leave the rows panel at no height).
            QCOMPARE(insp->InspectedObject, static_cast<TObject *>(form));
            QVERIFY(InspectorRow(insp, QStringLiteral("Caption")));
            QVERIFY(insp->pInspector->Height() > 18);
        });
    }

    void verbsOfTheInspectedComponentFillTheHandleMenu()
    {
        TTwoVerbEditor::Executed.clear();
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            RegisterComponentEditor(TZeTimer::StaticClass(), TTwoVerbEditor::StaticClass());
            TfZeDesignForm *form = ide->DesignForm;
            const QStringList fixed = {"Align to grid", "Send to back", "Bring to front"};
            QCOMPARE(HandleMenu(ide), fixed);

            ShowPalettePage(ide, "System");
            Activate(form);
            PickClass(ide, TZeTimer::StaticClass());
            ClickDesignForm(form, QPoint(50, 50));
            QCOMPARE(HandleMenu(ide), (fixed + QStringList{"-", "First verb", "Second verb"}));
            TMenuItem *second = ide->pmHandle->Items()->Items(5);
            QCOMPARE(second->Tag(), 1);
            second->Click();
            QCOMPARE(TTwoVerbEditor::Executed, QList<int>{1});

            // The form's default editor offers no verbs: the menu shrinks back.
            ide->InspectSelection(form, form);
            QCOMPARE(HandleMenu(ide), fixed);
            ide->SyncVerbMenu(TComponentEditorRef());
            QCOMPARE(HandleMenu(ide), fixed);
        });
    }

    // Real X input, where a click's press and release arrive together: the click on the
    // design form places the palette's class at its default size, selects it, and the inspector
    // shows the new button's own properties.
    void aRealClickPlacesSelectsAndInspects()
    {
        QZ_SKIP_WITHOUT_XVFB();
        QStringList lines;
        QVERIFY(RunUnderXvfb(QStringLiteral(DESIGNPROBE_PATH), {m_dir.path()},
                             QStringLiteral("1280x1024"), lines));
        const QString report = lines.value(0);
        // Inspected class, selected controls, the button's "Default" row listed, width, height.
        QCOMPARE(report, QStringLiteral("TZeButton 1 1 75 25"));
    }

    void registrationsChooseTheEditors()
    {
        WithDesigner(m_host, [](TZeIDEForm *ide) {
            const size_t registered = PropertyEditorRegistry().size();
            QCOMPARE(registered, size_t(31));
            // The default editor, then page controls, object containers and image lists,
            // newest first.
            QStringList componentEditors;
            for (const TComponentClassRec &rec : ComponentEditorRegistry())
                componentEditors << QString::fromLatin1(rec.EditorClass->Name);
            QCOMPARE(componentEditors,
                     (QStringList{"TZeImageListEditor", "TZeOLEEditor", "TZePageControlEditor",
                                  "TDefaultEditor"}));
            QCOMPARE(GetClass("TBitmap"), TBitmap::StaticClass());
            QCOMPARE(GetClass("TPicture"), TPicture::StaticClass());

            TfZeDesignForm *form = ide->DesignForm;
            auto *button = new TZeButton(form);
            auto *dialog = new TZeOpenDialog(form);
            auto *player = new TZeMediaPlayer(form);
            auto *mask = new TZeMaskEdit(form);
            auto *picker = new TZeDateTimePicker(form);
            QCOMPARE(EditorClassOf(button, "Caption"), TCaptionProperty::StaticClass());
            QCOMPARE(EditorClassOf(button, "Name"), TComponentNameProperty::StaticClass());
            QCOMPARE(EditorClassOf(button, "Hint"), TStringProperty::StaticClass());
            QCOMPARE(EditorClassOf(button, "Left"), TIntegerProperty::StaticClass());
            QCOMPARE(EditorClassOf(button, "TabOrder"), TTabOrderProperty::StaticClass());
            QCOMPARE(EditorClassOf(button, "Font"), TFontProperty::StaticClass());
            QCOMPARE(EditorClassOf(button, "Cursor"), TCursorProperty::StaticClass());
            QCOMPARE(EditorClassOf(button, "ModalResult"), TModalResultProperty::StaticClass());
            QCOMPARE(EditorClassOf(button->Font(), "Name"), TFontNameProperty::StaticClass());
            QCOMPARE(EditorClassOf(button->Font(), "Charset"),
                     TFontCharsetProperty::StaticClass());
            QCOMPARE(EditorClassOf(button->Font(), "Color"), TColorProperty::StaticClass());
            QCOMPARE(EditorClassOf(dialog, "FileName"), TMPFilenameProperty::StaticClass());
            QCOMPARE(EditorClassOf(player, "FileName"), TMPFilenameProperty::StaticClass());
            QCOMPARE(EditorClassOf(mask, "EditMask"), TZeMaskEditor::StaticClass());
            QCOMPARE(EditorClassOf(dialog, "Filter"), TZeFilterEditor::StaticClass());
            QCOMPARE(EditorClassOf(form, "WindowMenu"), TComponentProperty::StaticClass());
            QCOMPARE(EditorClassOf(form, "ActiveControl"), TComponentProperty::StaticClass());
            // Of the three date-time registrations the newest is found for all of them.
            QCOMPARE(EditorClassOf(picker, "Date"), TDateTimeProperty::StaticClass());
            QCOMPARE(EditorClassOf(picker, "Time"), TDateTimeProperty::StaticClass());
            QVERIFY(GetComponentEditor(button, ide->Designer)->InheritsFrom(
                TDefaultEditor::StaticClass()));
        });
        // A second opening registers nothing twice.
        WithDesigner(m_host, [](TZeIDEForm *) {
            QCOMPARE(PropertyEditorRegistry().size(), size_t(31));
            QCOMPARE(ComponentEditorRegistry().size(), size_t(4));
        });
    }
};

QTEST_MAIN(DesignerTest)
#include "tst_designer.moc"
