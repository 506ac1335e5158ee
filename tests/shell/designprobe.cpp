// Helper of tst_designer: under a real X server, where a click's press and release reach the
// program together, picks TZeButton on the palette and clicks on the design form with xdotool,
// then prints what the user would see: the inspected class, how many controls are selected,
// whether the inspector lists the button's own "Default" row, and the new button's size.

#include "Application.h"
#include "Buttons.h"
#include "ExtCtrls.h"
#include "Handles.h"
#include "Registry.h"
#include "ZeDesignForm.h"
#include "ZeIDE.h"
#include "ZeObjectInspector.h"
#include "ZePalette.h"

#include <QApplication>
#include <QProcess>
#include <QTimer>

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

} // namespace

int main(int argc, char **argv)
{
    InstallPaletteHooks();
    QApplication qapp(argc, argv);
    if (qapp.arguments().size() > 1)
        SetSettingsRootForTesting(qapp.arguments().at(1) + QStringLiteral("/designprobe"));
    int rc = 0;
    {
        TApplication app(nullptr);
        auto *ide = new TZeIDEForm(&app);
        ide->Show();
        int step = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            TfZeDesignForm *form = ide->DesignForm;
            switch (step++) {
            case 0: {
                QWidget *button = PaletteButton(ide, QStringLiteral("TZeButton"));
                rc |= button ? ClickAt(button->mapToGlobal(QPoint(12, 12))) : 1;
                break;
            }
            case 1:
                // The code editor, shown after it, lies over the design form: as a user
                // would, bring the form up first.
                form->Handle()->raise();
                form->Handle()->activateWindow();
                break;
            case 2:
                rc |= ClickAt(form->ClientWidget()->mapToGlobal(QPoint(120, 90)));
                break;
            default: {
                TObject *inspected = ide->Inspector->InspectedObject;
                auto *placed = ObjectCast<TControl>(form->FindComponent(QStringLiteral("ZeButton1")));
                std::printf("%s %d %d %d %d\n",
                            inspected ? qPrintable(inspected->ClassName()) : "none",
                            form->StretchHandle->TargetCount(),
                            int(HasRow(ide->Inspector, QStringLiteral("Default"))),
                            placed ? placed->Width() : -1, placed ? placed->Height() : -1);
                std::fflush(stdout);
                qapp.exit(rc);
            }
            }
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
