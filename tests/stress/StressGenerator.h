#pragma once

// Draws the stress driver's next action from a seed: what a user could do now, given what is
// on the screen (the palette page, the controls on the design form, the selection's grips,
// the inspector's rows, an open popup or modal form). The action comes out as a line that the
// executor performs and the log keeps, so a replay needs no generator.

#include "StressAction.h"

#include <QPoint>

#include <random>

class TForm1;
class TZeIDEForm;
class QWidget;

class TStressGenerator
{
public:
    explicit TStressGenerator(quint64 seed) : m_rng(seed) {}

    // An action for the open designer. nested is set while an earlier action is still running
    // (a popup menu or a modal form it opened waits for an answer): then only answers come.
    // finishing asks for the actions that close popups and modal forms.
    TStressAction Next(TZeIDEForm *ide, bool nested, bool finishing);

    // A random number below n (0 for n <= 0).
    int Below(int n);
    bool Chance(int percent) { return Below(100) < percent; }

private:
    TStressAction Make(const QString &verb, const QStringList &args);
    TStressAction AnswerPopup(TZeIDEForm *ide);
    TStressAction AnswerModal();
    // Inside an editor dialog: clicks on its controls, keys its buttons and key preview know,
    // or typed text, before it is answered.
    TStressAction ModalAction();
    TStressAction PaletteAction(TZeIDEForm *ide);
    TStressAction FormClick(TZeIDEForm *ide);
    TStressAction FormDrag(TZeIDEForm *ide);
    TStressAction FormKey();
    TStressAction InspectorAction(TZeIDEForm *ide);
    TStressAction InspectorRowClick(TZeIDEForm *ide);
    TStressAction InspectorTyping();
    TStressAction WindowAction(TZeIDEForm *ide);
    TStressAction SurfaceAction(TZeIDEForm *ide);
    TStressAction CodeEditorAction(TZeIDEForm *ide);
    TStressAction ToolKey();
    // A click on the open collection or menu dialog: its buttons, its list or tree, or its
    // close box.
    TStressAction ItemDialogAction(QWidget *dialog);

    // A point of the design form's window: on a control, on a grip, on empty form, or
    // anywhere (also a little outside the window).
    QPoint FormPoint(TZeIDEForm *ide);
    QPoint RandomPointIn(const QWidget *widget);
    QString HostileText();
    int Modifiers();

    std::mt19937_64 m_rng;
};
