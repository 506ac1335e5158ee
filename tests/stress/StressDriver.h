#pragma once

// The stress driver: opens the real designer from the host window's "Design" button and, from
// inside its modal loop, performs one action per turn of the event loop, checks the designer's
// invariants after each, and closes and reopens the designer every few hundred actions. An
// action that opens a popup menu or a modal form runs a nested loop: the driver answers it
// from there, as a user would, before the action that opened it returns.
//
// A failure (a broken invariant, an uncaught error, a sanitizer report, a fatal message)
// prints the seed, the action number, the last 50 actions and the command that replays the
// run from the log it writes.

#include "StressAction.h"
#include "StressGenerator.h"

#include <QString>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <vector>

class TApplication;
class TObject;
class TForm1;
class QTimer;
class QWidget;
class TCustomForm;

struct TStressOptions
{
    quint64 Seed = 1;
    qint64 Actions = 2000;
    QString ReplayFile;  // when set, the actions come from this log instead of the seed
    QString FailureLog;  // where a failure writes its replay log
    QString Program;     // this program, for the replay command
    bool Verbose = false; // prints every action as it runs
};

class TStressDriver
{
public:
    explicit TStressDriver(const TStressOptions &options);
    ~TStressDriver();

    // Runs the whole session; the process's exit code.
    int Run();

    // Prints the failure report and ends the process with exit code 1.
    [[noreturn]] void Fail(const QString &why);
    // The report alone, for a sanitizer or a fatal message that ends the process itself.
    void PrintReport(const QString &why);

private:
    struct Baseline
    {
        QWidget *Popup = nullptr;
        TCustomForm *Modal = nullptr;
        quint32 Answer = 0;
        int Boxes = 0; // message boxes and dialogs answered during the action so far
        qint64 Started = 0; // ms on m_clock
    };
    // An action that has not returned after this long waits for input the driver cannot give.
    static constexpr qint64 HangMilliseconds = 20000;

    void StartHost();
    // The bitmap files the picture dialogs are answered with.
    void WritePictureFiles();
    void StopHost();
    bool LoadReplay();
    void OpenDesigner();
    void Tick();
    bool NextAction(TStressAction &action, bool nested);
    void Perform(TStressAction &action);
    void Pump();
    quint32 NextAnswer();
    int AnswerMessageBox(int flags);
    bool AnswerDialog(TObject *dialog);

    TStressOptions m_options;
    TStressGenerator m_generator;
    QTemporaryDir m_store;
    std::unique_ptr<TApplication> m_app;
    TForm1 *m_host = nullptr;
    QTimer *m_timer = nullptr; // owned
    QElapsedTimer m_clock;

    std::vector<QString> m_lines; // every action performed, in order
    std::vector<TStressAction> m_replay;
    size_t m_replayNext = 0;
    qint64 m_count = 0;
    int m_openings = 0;
    bool m_finishing = false;
    bool m_done = false;
    std::vector<Baseline> m_running; // the actions in progress, innermost last
    std::map<QString, int> m_messages; // message box texts and how often they came
};
