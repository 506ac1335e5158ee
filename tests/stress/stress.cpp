// Random-action stress of the whole designer, in process, through real input events.
//
//   stress [--seed N] [--actions N] [--replay FILE] [--failure-log FILE] [--verbose]
//
// Without --replay, performs N actions drawn from the seed (default: seed 1, 2000 actions).
// With --replay, performs the actions of a log that a failed run wrote. Exit code 0 when every
// action ran and every invariant held, 1 on a failure (with its report on stderr), 2 on bad
// options.

#include "StressDriver.h"
#include "StressInvariants.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

TStressDriver *g_driver = nullptr;

extern "C" void ReportSanitizerDeath()
{
    if (g_driver)
        g_driver->PrintReport(QStringLiteral("the sanitizer report above"));
}

void ReportFatal(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg && g_driver) {
        g_driver->PrintReport(QStringLiteral("fatal message: ") + message);
        std::_Exit(1);
    }
}

} // namespace

// Present when the program runs under a sanitizer; called when the sanitizer ends the process.
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Random user actions on the designer."));
    parser.addHelpOption();
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Random seed."),
                                  QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption actions(QStringLiteral("actions"),
                                     QStringLiteral("Number of actions."), QStringLiteral("N"),
                                     QStringLiteral("2000"));
    const QCommandLineOption replay(QStringLiteral("replay"),
                                    QStringLiteral("Replays the actions of a failure log."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption failureLog(QStringLiteral("failure-log"),
                                        QStringLiteral("Where a failure writes its log."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     QStringLiteral("Prints each action as it runs."));
    const QCommandLineOption lenient(
        QStringLiteral("no-inspector-selection-check"),
        QStringLiteral("Does not require the inspector to show the selection."));
    parser.addOptions({seed, actions, replay, failureLog, verbose, lenient});
    parser.process(app);

    TStressOptions options;
    bool seedOk = false, actionsOk = false;
    options.Seed = parser.value(seed).toULongLong(&seedOk);
    options.Actions = parser.value(actions).toLongLong(&actionsOk);
    if (!seedOk || !actionsOk || options.Actions < 0) {
        std::fprintf(stderr, "--seed and --actions take non-negative whole numbers\n");
        return 2;
    }
    options.ReplayFile = parser.value(replay);
    options.Verbose = parser.isSet(verbose);
    SetInspectorSelectionCheck(!parser.isSet(lenient));
    options.Program = QDir::current().relativeFilePath(QCoreApplication::applicationFilePath());
    if (!options.Program.contains(QLatin1Char('/')))
        options.Program.prepend(QStringLiteral("./"));
    options.FailureLog = parser.isSet(failureLog)
                             ? parser.value(failureLog)
                             : QStringLiteral("stress-failure-seed%1.log").arg(options.Seed);

    TStressDriver driver(options);
    g_driver = &driver;
    if (__sanitizer_set_death_callback)
        __sanitizer_set_death_callback(&ReportSanitizerDeath);
    qInstallMessageHandler(&ReportFatal);
    std::set_terminate([] {
        if (g_driver)
            g_driver->PrintReport(QStringLiteral("an uncaught error ended the program"));
        std::abort();
    });
    const int code = driver.Run();
    g_driver = nullptr;
    return code;
}
