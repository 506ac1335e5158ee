// Helper of the shell tests: under a real X server, where a click's press and release reach the
// program together, clicks and types with xdotool as a user would and prints what the user
// would then see. Its second argument names the scenario:
// - "place" (the default): picks TZeButton, clicks on the design form; prints the inspected
//   class, how many controls are selected, whether the inspector lists the button's own
//   "Default" row, and the new button's size.
// - "oneclick": picks TZeButton and clicks once on the design form, twice over; prints where
//   each button landed.
// - "noswallow": selects a button inside a panel by a click, presses Escape twice, then clicks
//   a palette tab, a palette button and an inspector row; prints what each click did.

#include "Application.h"
#include "Buttons.h"
#include "ExtCtrls.h"
#include "Handles.h"
#include "Registry.h"
#include "ZeDesignForm.h"
#include "ZeIDE.h"
#include "ZeObjectInspector.h"
#include "ZePalette.h"
#include "ZeClientComponents.h"
#include "ZeCodeEditor.h"
#include "ComCtrls.h"

#include <QApplication>
#include <QProcess>
#include <QTimer>

#include <functional>
#include <vector>

#include <cstdio>

namespace {

// Moves the pointer to a screen point, lets the move arrive, and clicks there.
int ClickAt(const QPoint &global)
{
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"), QString::number(global.x()),
                              QString::number(global.y()), QStringLiteral("sleep"),
                              QStringLiteral("0.2"), QStringLiteral("click"),
                              QStringLiteral("1")});
}

int KeyPress(const QString &key)
{
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("key"), key, QStringLiteral("sleep"),
                              QStringLiteral("0.2")});
}

QWidget *PaletteButton(TZeIDEForm *ide, const QString &className)
{
    for (int i = 0; i < ide->pPalette->ControlCount(); ++i) {
        TControl *button = ide->pPalette->Controls(i);
        if (button->Hint() == className)
            return button->Handle();
    }
    return nullptr;
}

bool HasRow(TfObjectInspector *insp, const QString &name)
{
    for (const auto &row : insp->Rows)
        if (row->Editor->GetName() == name)
            return true;
    return false;
}

// The bounds of a component as "left,top,width,height", or "none".
QString BoundsOf(TfZeDesignForm *form, const char *name)
{
    auto *c = ObjectCast<TControl>(form->FindComponent(QString::fromLatin1(name)));
    if (!c)
        return QStringLiteral("none");
    return QStringLiteral("%1,%2,%3,%4").arg(c->Left()).arg(c->Top()).arg(c->Width())
        .arg(c->Height());
}

// Each scenario is a list of steps, one per tick, the last of which reports and ends.
using TStep = std::function<void()>;

std::vector<TStep> PlaceSteps(TZeIDEForm *ide, int &rc, QApplication &qapp)
{
    TfZeDesignForm *form = ide->DesignForm;
    return {
        [=, &rc] {
            QWidget *button = PaletteButton(ide, QStringLiteral("TZeButton"));
            rc |= button ? ClickAt(button->mapToGlobal(QPoint(12, 12))) : 1;
        },
        [=] {
            // The code editor, shown after it, lies over the design form: as a user would,
            // bring the form up first.
            form->Handle()->raise();
            form->Handle()->activateWindow();
        },
        [=, &rc] { rc |= ClickAt(form->ClientWidget()->mapToGlobal(QPoint(120, 90))); },
        [=, &rc, &qapp] {
            TObject *inspected = ide->Inspector->InspectedObject;
            auto *placed = ObjectCast<TControl>(form->FindComponent(QStringLiteral("ZeButton1")));
            std::printf("%s %d %d %d %d\n",
                        inspected ? qPrintable(inspected->ClassName()) : "none",
                        form->StretchHandle->TargetCount(),
                        int(HasRow(ide->Inspector, QStringLiteral("Default"))),
                        placed ? placed->Width() : -1, placed ? placed->Height() : -1);
            std::fflush(stdout);
            qapp.exit(rc);
        },
    };
}

std::vector<TStep> OneClickSteps(TZeIDEForm *ide, int &rc, QApplication &qapp)
{
    TfZeDesignForm *form = ide->DesignForm;
    auto pick = [=, &rc] {
        QWidget *button = PaletteButton(ide, QStringLiteral("TZeButton"));
        rc |= button ? ClickAt(button->mapToGlobal(QPoint(12, 12))) : 1;
    };
    auto clickForm = [=, &rc](QPoint p) {
        return [=, &rc] { rc |= ClickAt(form->ClientWidget()->mapToGlobal(p)); };
    };
    return {
        // The code editor would lie over the design form: it is closed, as a user may.
        [=] {
            if (ide->CodeEditorWindow->Visible())
                ide->miCodeEditorClick(nullptr);
        },
        pick, clickForm(QPoint(120, 90)), pick, clickForm(QPoint(300, 200)),
        [=, &rc, &qapp] {
            std::printf("%s %s\n", qPrintable(BoundsOf(form, "ZeButton1")),
                        qPrintable(BoundsOf(form, "ZeButton2")));
            std::fflush(stdout);
            qapp.exit(rc);
        },
    };
}

std::vector<TStep> NoSwallowSteps(TZeIDEForm *ide, int &rc, QApplication &qapp)
{
    TfZeDesignForm *form = ide->DesignForm;
    TfObjectInspector *insp = ide->Inspector;
    return {
        [=] {
            if (ide->CodeEditorWindow->Visible())
                ide->miCodeEditorClick(nullptr);
            auto *panel = new TZePanel(form);
            panel->SetName(QStringLiteral("ZePanel1"));
            panel->SetBounds(20, 20, 240, 160);
            panel->SetParent(form);
            auto *button = new TZeButton(form);
            button->SetName(QStringLiteral("ZeButton1"));
            button->SetBounds(30, 40, 75, 25);
            button->SetParent(panel);
            form->SetDesignState(true);
        },
        [=, &rc] { rc |= ClickAt(form->ClientWidget()->mapToGlobal(QPoint(60, 70))); },
        [&rc] { rc |= KeyPress(QStringLiteral("Escape")); },
        [&rc] { rc |= KeyPress(QStringLiteral("Escape")); },
        [=, &rc] {
            const int tab = ide->tcPalette->Tabs()->IndexOf(QStringLiteral("Additional"));
            rc |= ClickAt(ide->tcPalette->Handle()->mapToGlobal(
                ide->tcPalette->TabRect(tab).center()));
        },
        [=, &rc] {
            QWidget *button = PaletteButton(ide, QStringLiteral("TZeBitBtn"));
            rc |= button ? ClickAt(button->mapToGlobal(QPoint(12, 12))) : 1;
        },
        // A row well below the main window, which lies over the inspector's top, and above
        // the inspector's status bar.
        [=, &rc] { rc |= ClickAt(insp->pbValues->Handle()->mapToGlobal(QPoint(30, 8 + 18 * 10))); },
        [=, &rc, &qapp] {
            std::printf("%s %s %s %s\n",
                        qPrintable(ide->tcPalette->Tabs()->Strings(ide->tcPalette->TabIndex())),
                        ide->ChosenClass ? qPrintable(ide->ChosenClass->ClassName()) : "none",
                        insp->SelectedRow ? "row" : "none",
                        QWidget::mouseGrabber() ? "grabbed" : "free");
            std::fflush(stdout);
            qapp.exit(rc);
        },
    };
}

} // namespace

int main(int argc, char **argv)
{
    InstallPaletteHooks();
    QApplication qapp(argc, argv);
    const QStringList args = qapp.arguments();
    if (args.size() > 1)
        SetSettingsRootForTesting(args.at(1) + QStringLiteral("/designprobe"));
    const QString scenario = args.value(2, QStringLiteral("place"));
    int rc = 0;
    {
        TApplication app(nullptr);
        // A refused value shows its box: the probe lets none wait for a user.
        app.MessageBoxSeam = [](const TMessageBoxRequest &) { return IDOK; };
        auto *ide = new TZeIDEForm(&app);
        ide->Show();
        const std::vector<TStep> steps = scenario == QLatin1String("oneclick")
                                             ? OneClickSteps(ide, rc, qapp)
                                         : scenario == QLatin1String("noswallow")
                                             ? NoSwallowSteps(ide, rc, qapp)
                                             : PlaceSteps(ide, rc, qapp);
        // Each step waits half a second after the previous one returned: a step blocks while
        // xdotool runs, and a repeating timer, overdue by then, would fire before the X events
        // of that click were read.
        size_t step = 0;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (step < steps.size())
                steps[step++]();
            timer.start(500);
        });
        timer.start(500);
        qapp.exec();
        Free(ide);
    }
    ReleasePaletteRegistry();
    FreePropertyEditorRegistry();
    FreeComponentEditorRegistry();
    return rc;
}
