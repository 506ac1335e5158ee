#include "StressGenerator.h"

#include "StressInput.h"

#include "Buttons.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "Handles.h"
#include "StdCtrls.h"
#include "SynEdit.h"
#include "ZeCodeEditor.h"
#include "ZeDesignForm.h"
#include "ZeIDE.h"
#include "ZeObjectInspector.h"
#include "ZePropertyEditors.h"

#include <QApplication>
#include <QWidget>

namespace {

QString Num(int v)
{
    return QString::number(v);
}

QString WindowName(int index)
{
    static const char *names[] = {"ide", "form", "insp", "code"};
    return QString::fromLatin1(names[index]);
}

// The Qt key of a virtual key code of the code editor's key table.
int QtKeyOfVirtualKey(int vk)
{
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return vk;
    if (vk >= 0x70 && vk <= 0x87)
        return Qt::Key_F1 + (vk - 0x70);
    switch (vk) {
    case 0x08: return Qt::Key_Backspace;
    case 0x09: return Qt::Key_Tab;
    case 0x0D: return Qt::Key_Return;
    case 0x1B: return Qt::Key_Escape;
    case 0x20: return Qt::Key_Space;
    case 0x21: return Qt::Key_PageUp;
    case 0x22: return Qt::Key_PageDown;
    case 0x23: return Qt::Key_End;
    case 0x24: return Qt::Key_Home;
    case 0x25: return Qt::Key_Left;
    case 0x26: return Qt::Key_Up;
    case 0x27: return Qt::Key_Right;
    case 0x28: return Qt::Key_Down;
    case 0x2D: return Qt::Key_Insert;
    case 0x2E: return Qt::Key_Delete;
    default: return 0;
    }
}

// Shift, Ctrl and Alt of the key table, in the driver's modifier bits.
int ModsOfShiftState(TShiftState shift)
{
    return ((shift & ssShift) ? 1 : 0) | ((shift & ssCtrl) ? 2 : 0) | ((shift & ssAlt) ? 4 : 0);
}

// The selected row opens a collection or menu dialog.
// A row whose "..." opens one of the designer's own editor dialogs.
bool OpensEditorDialog(const TObjectInspProperty *row)
{
    TPropertyEditor *editor = row->Editor.Get();
    return ObjectCast<TZeItemDialogEditor>(editor) || ObjectCast<TZeObjectDialogEditor>(editor)
           || ObjectCast<TZeMaskEditor>(editor) || ObjectCast<TZeFilterEditor>(editor);
}

bool SelectedRowOpensEditorDialog(TfObjectInspector *insp)
{
    return insp->SelectedRow && OpensEditorDialog(insp->SelectedRow);
}

std::vector<TControl *> FormControls(TfZeDesignForm *form)
{
    std::vector<TControl *> controls;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto *control = ObjectCast<TControl>(form->Components(i));
        if (control && control->Handle()->isVisible())
            controls.push_back(control);
    }
    return controls;
}

} // namespace

int TStressGenerator::Below(int n)
{
    return n <= 0 ? 0 : int(m_rng() % quint64(n));
}

int TStressGenerator::Modifiers()
{
    const int roll = Below(10);
    return roll < 6 ? 0 : roll < 8 ? 1 : roll < 9 ? 2 : Below(8);
}

TStressAction TStressGenerator::Make(const QString &verb, const QStringList &args)
{
    TStressAction action;
    action.Answer = quint32(m_rng() & 0xFFFFFFu);
    action.Verb = verb;
    action.Args = args;
    return action;
}

TStressAction TStressGenerator::Next(TZeIDEForm *ide, bool nested, bool finishing)
{
    if (QApplication::activePopupWidget())
        return finishing ? Make("key", {"popup", Num(Qt::Key_Escape), "0"}) : AnswerPopup(ide);
    if (OpenModalForm())
        return finishing ? Make("modal", {"2"}) : ModalAction();
    if (nested || finishing)
        return Make("idle", {});
    const int roll = Below(1000);
    if (roll < 3)
        return Make("reopen", {});
    if (roll < 120)
        return PaletteAction(ide);
    if (roll < 330)
        return FormClick(ide);
    if (roll < 480)
        return FormDrag(ide);
    if (roll < 570)
        return FormKey();
    if (roll < 820)
        return InspectorAction(ide);
    if (roll < 870)
        return WindowAction(ide);
    if (roll < 900)
        return SurfaceAction(ide);
    if (roll < 940) {
        if (QWidget *dialog = OpenItemDialog())
            return ItemDialogAction(dialog);
    }
    if (roll < 970)
        return CodeEditorAction(ide);
    return ToolKey();
}

// ---- Popups and modal forms ---------------------------------------------------------------

TStressAction TStressGenerator::AnswerPopup(TZeIDEForm *ide)
{
    QWidget *popup = QApplication::activePopupWidget();
    const int roll = Below(10);
    if (roll < 3) {
        static const int keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home};
        return Make("key", {"popup", Num(keys[Below(4)]), "0"});
    }
    if (roll < 5)
        return Make("key", {"popup", Num(Below(3) ? Qt::Key_Return : Qt::Key_Escape), "0"});
    if (roll < 9) {
        const QPoint p = RandomPointIn(popup);
        return Make("click", {"popup", Num(p.x()), Num(p.y()), "L", "0"});
    }
    // A click elsewhere closes the popup (and may do what it does there).
    const QPoint p = FormPoint(ide);
    return Make("click", {"form", Num(p.x()), Num(p.y()), "L", "0"});
}

TStressAction TStressGenerator::AnswerModal()
{
    // Now and then the user works inside the dialog first (a value dialog's list, grid or
    // test field) before answering it.
    if (TCustomForm *modal = OpenModalForm(); modal && Chance(40)) {
        if (Chance(60)) {
            const QPoint p = RandomPointIn(modal->Handle());
            return Make(Chance(10) ? "dclick" : "click",
                        {"modal", Num(p.x()), Num(p.y()), "L", "0"});
        }
        static const int keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Backspace,
                                   Qt::Key_1, Qt::Key_7, Qt::Key_A, Qt::Key_Bar,
                                   Qt::Key_Home, Qt::Key_Delete};
        return Make("key", {"modal", Num(keys[Below(int(std::size(keys)))]), Num(Modifiers())});
    }
    static const char *results[] = {"1", "2", "6", "7"}; // OK, Cancel, Yes, No
    return Make("modal", {QString::fromLatin1(results[Below(4)])});
}

// Inside a modal form (an editor's dialog): clicks on its controls, the keys its buttons and
// key preview know, typed text, and now and then an answer that closes it.
TStressAction TStressGenerator::ModalAction()
{
    TCustomForm *modal = OpenModalForm();
    const int roll = Below(10);
    if (roll < 4 || !modal)
        return AnswerModal();
    QWidget *window = modal->Handle();
    if (roll < 7) {
        QList<QWidget *> widgets;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (w->isVisible())
                widgets << w;
        }
        QWidget *target = widgets.isEmpty() ? window : widgets.at(Below(int(widgets.size())));
        const QPoint p = InWindow(target, RandomPointIn(target));
        return Make(Chance(15) ? "dclick" : "click", {"modal", Num(p.x()), Num(p.y()), "L", "0"});
    }
    if (roll < 9) {
        static const int keys[] = {Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Up, Qt::Key_Down,
                                   Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_5};
        return Make("key", {"modal", Num(keys[Below(int(std::size(keys)))]), "0"});
    }
    return Make("type", {"modal", EncodeStressText(HostileText().left(200))});
}

// ---- Palette -------------------------------------------------------------------------------

TStressAction TStressGenerator::PaletteAction(TZeIDEForm *ide)
{
    const int roll = Below(20);
    QWidget *target = nullptr;
    QPoint point;
    int mods = 0;
    if (roll < 3 && ide->tcPalette->Tabs()->Count() > 0) {
        const QRect tab = ide->tcPalette->TabRect(Below(ide->tcPalette->Tabs()->Count()));
        target = ide->tcPalette->Handle();
        point = tab.center();
    } else if (roll < 15 && ide->pPalette->ControlCount() > 0) {
        TControl *button = ide->pPalette->Controls(Below(ide->pPalette->ControlCount()));
        target = button->Handle();
        point = RandomPointIn(target);
        mods = Chance(25) ? 1 : 0;
    } else {
        TSpeedButton *buttons[] = {ide->sbCursor, ide->SpeedButton3, ide->SpeedButton1};
        target = buttons[Below(3)]->Handle();
        point = RandomPointIn(target);
    }
    const QPoint p = InWindow(target, point);
    return Make("click", {"ide", Num(p.x()), Num(p.y()), "L", Num(mods)});
}

// ---- Design form ---------------------------------------------------------------------------

QPoint TStressGenerator::RandomPointIn(const QWidget *widget)
{
    const int w = std::max(1, widget->width()), h = std::max(1, widget->height());
    return QPoint(Below(w), Below(h));
}

QPoint TStressGenerator::FormPoint(TZeIDEForm *ide)
{
    TfZeDesignForm *form = ide->DesignForm;
    QWidget *window = form->Handle();
    const int roll = Below(10);
    if (roll < 4) {
        const std::vector<TControl *> controls = FormControls(form);
        if (!controls.empty()) {
            QWidget *widget = controls[size_t(Below(int(controls.size())))]->Handle();
            return InWindow(widget, RandomPointIn(widget));
        }
    } else if (roll < 7 && form->StretchHandle->HasTargets()) {
        // A grip: the corners and edge middles of the handle, give or take two pixels.
        QWidget *handle = form->StretchHandle->Handle();
        const int w = handle->width(), h = handle->height();
        const int xs[] = {0, w / 2, w - 1}, ys[] = {0, h / 2, h - 1};
        return InWindow(handle, QPoint(xs[Below(3)] + Below(5) - 2, ys[Below(3)] + Below(5) - 2));
    }
    if (roll < 9)
        return InWindow(form->ClientWidget(), RandomPointIn(form->ClientWidget()));
    return QPoint(Below(window->width() + 80) - 40, Below(window->height() + 80) - 40);
}

TStressAction TStressGenerator::FormClick(TZeIDEForm *ide)
{
    const QPoint p = FormPoint(ide);
    const int roll = Below(10);
    const QString button = roll < 7 ? "L" : roll < 9 ? "R" : "M";
    const QString verb = Chance(15) ? "dclick" : "click";
    return Make(verb, {"form", Num(p.x()), Num(p.y()), button, Num(Modifiers())});
}

TStressAction TStressGenerator::FormDrag(TZeIDEForm *ide)
{
    const QPoint from = FormPoint(ide);
    QPoint to;
    const int length = Below(10);
    if (length < 2)
        to = from + QPoint(Below(7) - 3, Below(7) - 3); // within the grid step
    else if (length < 6)
        to = from + QPoint(Below(81) - 40, Below(81) - 40);
    else if (length < 9)
        to = FormPoint(ide);
    else
        to = from + QPoint(Below(2001) - 1000, Below(2001) - 1000); // far outside
    const QString button = Chance(90) ? "L" : "R";
    return Make("drag", {"form", Num(from.x()), Num(from.y()), Num(to.x()), Num(to.y()), button,
                         Num(Chance(80) ? 0 : Modifiers()), Num(1 + Below(6))});
}

TStressAction TStressGenerator::FormKey()
{
    static const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                               Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                               Qt::Key_Escape, Qt::Key_Escape, Qt::Key_Delete, Qt::Key_Tab,
                               Qt::Key_Return, Qt::Key_A};
    const int key = keys[Below(int(std::size(keys)))];
    return Make("key", {"form", Num(key), Num(Modifiers())});
}

TStressAction TStressGenerator::ToolKey()
{
    return Make("key", {WindowName(Below(4)), Num(Chance(50) ? Qt::Key_F11 : Qt::Key_F12),
                        Num(Chance(85) ? 0 : Modifiers())});
}

// ---- Inspector -----------------------------------------------------------------------------

QString TStressGenerator::HostileText()
{
    static const char *texts[] = {
        "", "0", "1", "-1", "7", "100", "2147483647", "2147483648", "-2147483648",
        "-2147483649", "99999999999999999999", "1e308", "-0", " 12 ", "0x10", "$FF",
        "$FFFFFFFF", "clRed", "clBtnFace", "True", "False", "[fsBold]", "[]", "crHourGlass",
        "mrOk", "Ctrl+A", "alClient", "a b", "Button 1", "_x", "1abc", "Form1", "ZeButton1",
        "ZeEdit1", "fZeDesignForm", "x", "New", "'", "\"", "%s%n", "<b>bold</b>", "\t",
        "caf\xc3\xa9", "\xe5\x90\x8d\xe5\x89\x8d", "a;b", "00:00", "12/31/1999", "3.5",
    };
    const int roll = Below(20);
    if (roll == 0)
        return QString(10000, QLatin1Char('x'));
    if (roll == 1)
        return QString(300 + Below(2000), QLatin1Char('9'));
    if (roll < 4) {
        QString word;
        const int n = 1 + Below(12);
        for (int i = 0; i < n; ++i)
            word += QChar(Below(3) ? 'a' + Below(26) : '0' + Below(10));
        return word;
    }
    return QString::fromUtf8(texts[Below(int(std::size(texts)))]);
}

TStressAction TStressGenerator::InspectorTyping()
{
    const QString text = HostileText();
    if (text.size() > 200)
        return Make("paste", {"insp", EncodeStressText(text)});
    return Make("type", {"insp", EncodeStressText(text)});
}

TStressAction TStressGenerator::InspectorRowClick(TZeIDEForm *ide)
{
    TfObjectInspector *insp = ide->Inspector;
    std::vector<TObjectInspProperty *> rows;
    for (TObjectInspProperty *row : insp->TabRows()) {
        rows.push_back(row);
        if (row->Expanded) {
            for (const auto &child : row->Children)
                rows.push_back(child.get());
        }
    }
    if (rows.empty())
        return Make("idle", {});
    TObjectInspProperty *row = rows[size_t(Below(int(rows.size())))];
    // Rows that open the designer's own editor dialogs come up more often, so that those
    // dialogs see their share of the actions.
    for (TObjectInspProperty *candidate : rows) {
        if (OpensEditorDialog(candidate) && Chance(30))
            row = candidate;
    }
    const bool names = Chance(35);
    QWidget *column = (names ? insp->pbNames : insp->pbValues)->Handle();
    const int x = names && Chance(50) ? 4 + Below(14) : Below(std::max(1, column->width()));
    const QPoint local(x, row->Top + 2 + Below(TObjectInspProperty::RowHeight - 4));
    const QPoint p = InWindow(column, local);
    QWidget *band = insp->sbInspector->Handle();
    if (!QRect(InWindow(band, QPoint(0, 0)), band->size()).contains(p)) {
        // Off the visible band: scroll it into view first.
        return Make("scroll", {"insp", Num(std::max(0, row->Top - Below(100)))});
    }
    return Make(Chance(10) ? "dclick" : "click", {"insp", Num(p.x()), Num(p.y()), "L", "0"});
}

TStressAction TStressGenerator::InspectorAction(TZeIDEForm *ide)
{
    TfObjectInspector *insp = ide->Inspector;
    if (!insp->Visible())
        return Make("key", {"form", Num(Qt::Key_F11), "0"});
    const bool editing = insp->ePropValue->Visible();
    const int roll = Below(100);
    if (editing && roll < 35)
        return InspectorTyping();
    if (editing && roll < 45) {
        static const int keys[] = {Qt::Key_Return, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Up,
                                   Qt::Key_Down, Qt::Key_Backspace};
        return Make("key", {"insp", Num(keys[Below(6)]), Num(Chance(90) ? 0 : Modifiers())});
    }
    QWidget *target = nullptr;
    if (roll < 52 && insp->sbPopup->Visible())
        target = insp->sbPopup->Handle();
    else if ((roll < 56 || (roll < 70 && SelectedRowOpensEditorDialog(insp))) && insp->sbEdit->Visible())
        target = insp->sbEdit->Handle();
    else if (roll < 64 && insp->lbPropValue->Visible())
        target = insp->lbPropValue->Handle();
    else if (roll < 70)
        target = insp->cbComponents->Handle();
    else if (roll < 74) {
        const QRect tab = insp->tcInspector->TabRect(Below(2));
        const QPoint p = InWindow(insp->tcInspector->Handle(), tab.center());
        return Make("click", {"insp", Num(p.x()), Num(p.y()), "L", "0"});
    } else if (roll < 78) {
        return Make("scroll", {"insp", Num(Below(std::max(1, insp->pInspector->Height())))});
    }
    if (!target)
        return InspectorRowClick(ide);
    const QPoint p = InWindow(target, RandomPointIn(target));
    return Make("click", {"insp", Num(p.x()), Num(p.y()), "L", "0"});
}

// ---- Windows -------------------------------------------------------------------------------

TStressAction TStressGenerator::WindowAction(TZeIDEForm *)
{
    const QString window = WindowName(Below(4));
    const int roll = Below(10);
    if (roll < 3) {
        static const char *states[] = {"min", "normal", "max", "normal"};
        return Make("state", {window, QString::fromLatin1(states[Below(4)])});
    }
    if (roll < 7) {
        const bool extreme = Chance(10);
        const int x = extreme ? Below(4000) - 2000 : Below(900);
        const int y = extreme ? Below(4000) - 2000 : Below(700);
        const int w = extreme ? Below(3000) : 50 + Below(700);
        const int h = extreme ? Below(3000) : 30 + Below(600);
        return Make("geom", {window, Num(x), Num(y), Num(w), Num(h)});
    }
    if (roll < 8 && window != QLatin1String("ide"))
        return Make("close", {window});
    return Make("activate", {window});
}

// A click anywhere on the main window, the inspector or the code editor (tool buttons, the
// menu bar, status bars, the gutter), or a drag of one of their splitters.
TStressAction TStressGenerator::SurfaceAction(TZeIDEForm *ide)
{
    const std::pair<const char *, TCustomForm *> windows[] = {
        {"ide", ide}, {"insp", ide->Inspector}, {"code", ide->CodeEditorWindow}};
    const auto &[name, form] = windows[Below(int(std::size(windows)))];
    QWidget *window = form->Handle();
    TSplitter *splitter = form == ide ? ide->Splitter1
                          : form == ide->Inspector ? ide->Inspector->Splitter1
                                                    : nullptr;
    if (splitter && Chance(40)) {
        QWidget *bar = splitter->Handle();
        const QPoint from = InWindow(bar, RandomPointIn(bar));
        const QPoint to = from + QPoint(Below(601) - 300, Below(41) - 20);
        return Make("drag", {name, Num(from.x()), Num(from.y()), Num(to.x()), Num(to.y()), "L",
                             "0", Num(1 + Below(4))});
    }
    QList<QWidget *> widgets;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (child->isVisible())
            widgets << child;
    }
    QWidget *target = widgets.isEmpty() ? window : widgets.at(Below(int(widgets.size())));
    const QPoint p = InWindow(target, RandomPointIn(target));
    const QString verb = Chance(10) ? "dclick" : "click";
    return Make(verb, {name, Num(p.x()), Num(p.y()), Chance(85) ? "L" : "R", Num(Modifiers())});
}

// ---- Collection and menu dialogs ----------------------------------------------------------

TStressAction TStressGenerator::ItemDialogAction(QWidget *dialog)
{
    if (Chance(5))
        return Make("close", {"items"});
    const QList<QWidget *> widgets = dialog->findChildren<QWidget *>();
    QList<QWidget *> visible;
    for (QWidget *widget : widgets) {
        if (widget->isVisible())
            visible << widget;
    }
    QWidget *target = visible.isEmpty() ? dialog : visible.at(Below(int(visible.size())));
    const QPoint p = InWindow(target, RandomPointIn(target));
    return Make(Chance(10) ? "dclick" : "click", {"items", Num(p.x()), Num(p.y()), "L", "0"});
}

// ---- Code editor ---------------------------------------------------------------------------

TStressAction TStressGenerator::CodeEditorAction(TZeIDEForm *ide)
{
    if (!ide->CodeEditorWindow->Visible())
        return Make("key", {"form", Num(Qt::Key_F12), "0"});
    if (Chance(25)) {
        static const char *snippets[] = {"begin", "end;", "x := 1;", "{ c }", "'s'", "(*",
                                         "*)", "//", "procedure P;", " ", "\t", "#"};
        return Make("type", {"code", EncodeStressText(QString::fromLatin1(
                                         snippets[Below(int(std::size(snippets)))]))});
    }
    if (Chance(10)) {
        QWidget *editor = ide->CodeEditorWindow->SynEdit1->Handle();
        const QPoint p = InWindow(editor, RandomPointIn(editor));
        return Make("click", {"code", Num(p.x()), Num(p.y()), "L", Num(Chance(80) ? 0 : 1)});
    }
    const TSynEditKeyStrokes &table = ide->CodeEditorWindow->SynEdit1->Keystrokes();
    if (table.Count() == 0)
        return Make("idle", {});
    const TSynEditKeyStroke &stroke = table.Items(Below(table.Count()));
    const int key = QtKeyOfVirtualKey(stroke.Key);
    if (!key)
        return Make("idle", {});
    return Make("key", {"code", Num(key), Num(ModsOfShiftState(stroke.Shift))});
}
