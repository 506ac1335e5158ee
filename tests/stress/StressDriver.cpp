#include "StressDriver.h"

#include "StressExecutor.h"
#include "StressInput.h"
#include "StressInvariants.h"

#include "Application.h"
#include "Dialogs.h"
#include "ExtDlgs.h"
#include "OleCtnrs.h"
#include "DsgnIntf.h"
#include "Registry.h"
#include "StdCtrls.h"
#include "Unit1.h"
#include "ZeIDE.h"
#include "ZePalette.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <exception>

namespace {

// Takes the files that an object container's verbs would open with the desktop's
// applications: a run starts no other program.
class TOpenedFiles : public QObject
{
    Q_OBJECT
public slots:
    void Open(const QUrl &url) { Urls << url; }

public:
    QList<QUrl> Urls;
};

} // namespace

TStressDriver::TStressDriver(const TStressOptions &options)
    : m_options(options), m_generator(options.Seed)
{
}

TStressDriver::~TStressDriver() = default;

// ---- Session -------------------------------------------------------------------------------

void TStressDriver::StartHost()
{
    SetSettingsRootForTesting(m_store.path());
    WritePictureFiles();
    InstallPaletteHooks();
    m_app = std::make_unique<TApplication>(nullptr);
    m_app->MessageBoxSeam = [this](const TMessageBoxRequest &r) {
        ++m_messages[r.Text.left(120)];
        return AnswerMessageBox(r.Flags);
    };
    m_app->CreateForm(m_host);
    m_host->Show();
}

void TStressDriver::WritePictureFiles()
{
    QImage strip(48, 16, QImage::Format_RGB32), single(20, 16, QImage::Format_RGB32);
    strip.fill(Qt::darkCyan);
    single.fill(Qt::yellow);
    strip.save(m_store.filePath(QStringLiteral("strip.bmp")), "BMP");
    single.save(m_store.filePath(QStringLiteral("single.bmp")), "BMP");
    QFile junk(m_store.filePath(QStringLiteral("junk.bmp")));
    if (junk.open(QIODevice::WriteOnly))
        junk.write("not a bitmap");
}

void TStressDriver::StopHost()
{
    m_app.reset();
    m_host = nullptr;
    ReleasePaletteRegistry();
    FreePropertyEditorRegistry();
    FreeComponentEditorRegistry();
    SetSettingsRootForTesting(QString());
}

bool TStressDriver::LoadReplay()
{
    QFile file(m_options.ReplayFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(m_options.ReplayFile));
        return false;
    }
    QTextStream in(&file);
    while (!in.atEnd()) {
        if (std::optional<TStressAction> action = TStressAction::FromLine(in.readLine()))
            m_replay.push_back(*action);
    }
    return true;
}

// "Design" pressed as a user presses it; returns when the designer's window has closed.
void TStressDriver::OpenDesigner()
{
    ++m_openings;
    QWidget *window = m_host->Handle();
    ActivateWindow(window);
    QWidget *button = m_host->Button3->Handle();
    const QPoint p = InWindow(button, QPoint(10, 10));
    SendMouse(window, TMouseVerb::Move, p, 'L', 0);
    SendMouse(window, TMouseVerb::Press, p, 'L', 0);
    SendMouse(window, TMouseVerb::Release, p, 'L', 0); // runs the designer modally
    Pump();
    if (!window->isEnabled())
        Fail(QStringLiteral("the host window is left disabled after the designer closed"));
    if (CurrentIDEForm && CurrentIDEForm->Modal())
        Fail(QStringLiteral("the designer is still modal after its window closed"));
}

int TStressDriver::Run()
{
    if (!m_options.ReplayFile.isEmpty() && !LoadReplay())
        return 2;
    TDialogSeamScope dialogs([this](TObject *dialog) { return AnswerDialog(dialog); });
    TOpenedFiles opened;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "Open");
    StartHost();
    QTimer timer;
    m_timer = &timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [this] { Tick(); });
    timer.start();
    m_clock.start();
    while (!m_done) {
        const qint64 before = m_count;
        OpenDesigner();
        if (m_count == before && !m_done)
            Fail(QStringLiteral("the designer closed before any action ran"));
    }
    timer.stop();
    m_timer = nullptr;
    StopHost();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    std::printf("stress: %lld actions, %d openings of the designer, %.1f s, seed %llu%s\n",
                m_count, m_openings, m_clock.elapsed() / 1000.0,
                static_cast<unsigned long long>(m_options.Seed),
                m_options.ReplayFile.isEmpty() ? "" : " (replayed)");
    for (const auto &[text, times] : m_messages)
        std::printf("  message box %dx: %s\n", times, qPrintable(text));
    return 0;
}

// ---- Actions -------------------------------------------------------------------------------

void TStressDriver::Pump()
{
    QCoreApplication::processEvents();
}

bool TStressDriver::NextAction(TStressAction &action, bool nested)
{
    TZeIDEForm *ide = ReadyDesigner();
    if (!m_finishing && m_replay.empty() && m_count >= m_options.Actions)
        m_finishing = true;
    if (!m_finishing && !m_replay.empty()) {
        if (m_replayNext < m_replay.size()) {
            action = m_replay[m_replayNext++];
            return true;
        }
        m_finishing = true;
    }
    action = m_generator.Next(ide, nested, m_finishing);
    return !(m_finishing && action.Verb == QLatin1String("idle") && !nested);
}

void TStressDriver::Tick()
{
    if (m_done)
        return;
    TZeIDEForm *ide = ReadyDesigner();
    if (!ide)
        return;
    QWidget *popup = QApplication::activePopupWidget();
    TCustomForm *modal = OpenModalForm();
    // Inside a running action (its steps let events run, and so may the code it calls), only
    // a popup or a modal form that it opened is answered: their loops wait for the user.
    if (!m_running.empty() && popup == m_running.back().Popup
        && modal == m_running.back().Modal) {
        if (m_clock.elapsed() - m_running.back().Started > HangMilliseconds)
            Fail(QStringLiteral("the action has not returned for %1 s").arg(HangMilliseconds / 1000));
        return;
    }
    TStressAction action;
    if (!NextAction(action, !m_running.empty())) {
        // Finished, with nothing left open: the designer closes for good.
        m_done = true;
        ide->Handle()->close();
        return;
    }
    action.Number = ++m_count;
    m_lines.push_back(action.ToLine());
    if (m_options.Verbose)
        std::fprintf(stderr, "%s\n", qPrintable(m_lines.back()));
    m_running.push_back({popup, modal, action.Answer, 0, m_clock.elapsed()});
    // A timer does not fire again while its own slot runs: a popup menu or a modal form that
    // this action opens is answered through a timer of the action's own.
    QTimer nested;
    nested.setInterval(0);
    QObject::connect(&nested, &QTimer::timeout, [this] { Tick(); });
    nested.start();
    Perform(action);
    m_running.pop_back();
}

void TStressDriver::Perform(TStressAction &action)
{
    TStressContext context{m_host, [this] { Pump(); }};
    try {
        ExecuteStressAction(action, context);
    } catch (const std::exception &error) {
        // Framework errors are std::exceptions too; none may reach the input's sender.
        Fail(QStringLiteral("an error escaped the action: %1").arg(error.what()));
    }
    TZeIDEForm *ide = ReadyDesigner();
    if (!ide)
        return; // the designer closed
    const QString fault = CheckDesignerInvariants(ide);
    if (!fault.isEmpty())
        Fail(fault);
    if (m_running.size() == 1 && !QApplication::activePopupWidget() && !OpenModalForm()) {
        const QString disabled = CheckNoWindowDisabled(ide);
        if (!disabled.isEmpty())
            Fail(disabled);
    }
}

// ---- Answers -------------------------------------------------------------------------------

quint32 TStressDriver::NextAnswer()
{
    if (m_running.empty())
        return 0;
    Baseline &current = m_running.back();
    const int box = current.Boxes++;
    return (current.Answer >> (2 * (box % 8))) ^ quint32(box * 7);
}

int TStressDriver::AnswerMessageBox(int flags)
{
    const quint32 answer = NextAnswer();
    switch (flags & 0x0F) {
    case MB_OKCANCEL: return answer % 2 ? IDOK : IDCANCEL;
    case MB_YESNOCANCEL: return answer % 3 == 0 ? IDYES : answer % 3 == 1 ? IDNO : IDCANCEL;
    case MB_YESNO: return answer % 2 ? IDYES : IDNO;
    default: return IDOK;
    }
}

bool TStressDriver::AnswerDialog(TObject *dialog)
{
    const quint32 answer = NextAnswer();
    // The object container makes a new object of one of its kinds; the picture dialogs (the
    // image list editor's) read a strip, a single image or a file that is no bitmap, and write
    // into the store's folder.
    if (auto *insert = ObjectCast<TOleInsertObjectDialog>(dialog)) {
        insert->CreateNew = true;
        insert->NewObjectType = OleNewObjectTypes().value(int(answer / 2 % 3));
    } else if (auto *save = ObjectCast<TSavePictureDialog>(dialog)) {
        save->SetFileName(m_store.filePath(QStringLiteral("export.bmp")));
    } else if (auto *open = ObjectCast<TOpenPictureDialog>(dialog)) {
        static const char *const files[] = {"strip.bmp", "single.bmp", "junk.bmp"};
        open->SetFileName(m_store.filePath(QString::fromLatin1(files[answer / 2 % 3])));
    }
    if (auto *colors = ObjectCast<TColorDialog>(dialog))
        colors->SetColor(TColor(answer & 0xFFFFFF));
    if (auto *fonts = ObjectCast<TFontDialog>(dialog))
        fonts->Font()->SetSize(int(answer % 40) - 4);
    if (auto *files = ObjectCast<TOpenDialog>(dialog)) {
        // A file of the driver's own folder: what one editor dialog saves, another reads.
        static const char *names[] = {"stress.bmp", "stress.ico", "stress.txt", "gone.bmp"};
        files->SetFileName(m_store.path() + QLatin1Char('/')
                           + QString::fromLatin1(names[answer / 2 % 4]));
    }
    return answer % 2 == 1;
}

// ---- Failure -------------------------------------------------------------------------------

void TStressDriver::PrintReport(const QString &why)
{
    std::fflush(stdout);
    std::fprintf(stderr, "\nSTRESS FAILURE: %s\n", qPrintable(why));
    std::fprintf(stderr, "seed %llu, action %lld, opening %d of the designer\n",
                 static_cast<unsigned long long>(m_options.Seed), m_count, m_openings);
    std::fprintf(stderr, "last actions:\n");
    const size_t first = m_lines.size() > 50 ? m_lines.size() - 50 : 0;
    for (size_t i = first; i < m_lines.size(); ++i)
        std::fprintf(stderr, "  %s\n", qPrintable(m_lines[i].left(300)));
    for (const auto &[text, times] : m_messages)
        std::fprintf(stderr, "message box shown %dx: %s\n", times, qPrintable(text));
    QFile log(m_options.FailureLog);
    if (log.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        QTextStream out(&log);
        out << "# seed " << m_options.Seed << ", failed at action " << m_count << ": "
            << QString(why).replace(QLatin1Char('\n'), QLatin1Char(' ')) << "\n";
        for (const QString &line : m_lines)
            out << line << "\n";
        out.flush();
        std::fprintf(stderr, "replay: %s --replay %s\n", qPrintable(m_options.Program),
                     qPrintable(QFileInfo(log).absoluteFilePath()));
    }
    if (m_options.ReplayFile.isEmpty()) {
        std::fprintf(stderr, "or run again: %s --seed %llu --actions %lld\n",
                     qPrintable(m_options.Program),
                     static_cast<unsigned long long>(m_options.Seed), m_count);
    }
    std::fflush(stderr);
}

void TStressDriver::Fail(const QString &why)
{
    PrintReport(why);
    std::_Exit(1);
}

#include "StressDriver.moc"
