// Helper of tst_codeeditor: under a real X server, shows the code editor, types marker and
// selection keys at it with xdotool and prints, after each step, the caret line, the lines of
// markers 3 and 7 and the number of selections.

#include "Application.h"
#include "Registry.h"
#include "SynEdit.h"
#include "ZeCodeEditor.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QProcess>
#include <QTimer>

#include <cstdio>

namespace {

void Report(TSynEdit *edit, const char *step)
{
    auto *sci = static_cast<QsciScintilla *>(edit->Handle());
    std::printf("%s %d %d %d %ld\n", step, edit->CaretLine(), edit->MarkerLine(3),
                edit->MarkerLine(7), sci->SendScintilla(QsciScintilla::SCI_GETSELECTIONS));
    std::fflush(stdout);
}

int Keys(const QStringList &keys)
{
    QStringList args{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")};
    return QProcess::execute(QStringLiteral("xdotool"), args + keys);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication qapp(argc, argv);
    if (qapp.arguments().size() > 1)
        SetSettingsRootForTesting(qapp.arguments().at(1) + QStringLiteral("/codeprobe"));
    int rc = 0;
    {
        TApplication app(nullptr);
        auto *ed = new TCodeEditor(nullptr);
        TSynEdit *edit = ed->SynEdit1;
        edit->Lines()->SetText(QStringLiteral("l0\nl1\nline2\nl3\nl4\nl5\nline6\nline7\nl8"));
        ed->Show();
        ed->Handle()->activateWindow();
        // Each step waits for the keys before it to arrive.
        QList<std::pair<QStringList, const char *>> steps{
            {{QStringLiteral("ctrl+shift+3")}, "set"},
            {{QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down")}, "away"},
            {{QStringLiteral("ctrl+3")}, "back"},
            {{QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down"),
              QStringLiteral("Down"), QStringLiteral("ctrl+shift+7")}, "set7"},
            {{QStringLiteral("ctrl+shift+c"), QStringLiteral("shift+Right"),
              QStringLiteral("shift+Down")}, "column"},
        };
        int next = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (next > 0)
                Report(edit, steps[next - 1].second);
            if (next == steps.size()) {
                qapp.exit(rc);
                return;
            }
            if (next == 0) {
                ed->Handle()->activateWindow();
                edit->SetFocus();
                edit->SetCaretPos(2, 1);
            }
            rc |= Keys(steps[next].first);
            ++next;
            // Counted from when xdotool is done, so that a slow machine still reads the keys
            // before the next report.
            timer.start(400);
        });
        timer.setSingleShot(true);
        timer.start(400);
        qapp.exec();
        Free(ed);
    }
    return rc;
}
