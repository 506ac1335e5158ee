#pragma once

// Opening the designer as a user does: "Design" on the host window runs the designer's main
// window modally; the check runs inside that modal loop, then the window is closed by its close
// box, which frees it.

#include "Application.h"
#include "DsgnIntf.h"
#include "Registry.h"
#include "StdCtrls.h"
#include "Unit1.h"
#include "ZeDesignForm.h"
#include "ZeIDE.h"
#include "ZePalette.h"

#include <QtTest>
#include <functional>

// Its creation and showing let messages run, so the check waits until the window is shown
// whole: the design form gets its designer last, and the windows are stacked after that.
inline void WithDesigner(TForm1 *host, const std::function<void(TZeIDEForm *)> &check)
{
    bool ran = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        TZeIDEForm *ide = CurrentIDEForm;
        if (ran || !ide || !ide->Modal() || !ide->DesignForm || !ide->DesignForm->Designer()
            || !ide->OpeningStacked())
            return;
        ran = true;
        poll.stop();
        check(ide);
        if (CurrentIDEForm == ide)
            ide->Handle()->close(); // as the window's close box does
    });
    poll.start();
    QTest::mouseClick(host->Button3->Handle(), Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(ran);
}

// The program as one test function sees it: a settings store of its own, the palette hooks, the
// application with its message boxes caught, and the host window on screen. Every message box
// shown is kept; a test that expects none checks that the list stays empty.
class HostSession
{
public:
    void Start(const QString &storeDir)
    {
        SetSettingsRootForTesting(storeDir);
        InstallPaletteHooks();
        m_app = std::make_unique<TApplication>(nullptr);
        m_app->MessageBoxSeam = [this](const TMessageBoxRequest &r) {
            Messages << r.Text;
            return IDOK;
        };
        m_app->CreateForm(Host);
        Host->Show();
        QVERIFY(QTest::qWaitForWindowExposed(Host->Handle()));
    }

    // Frees everything the program made, the registries included, and forgets the store.
    void Stop()
    {
        m_app.reset();
        Host = nullptr;
        ReleasePaletteRegistry();
        FreePropertyEditorRegistry();
        FreeComponentEditorRegistry();
        SetSettingsRootForTesting(QString());
    }

    TForm1 *Host = nullptr;
    QStringList Messages;

private:
    std::unique_ptr<TApplication> m_app;
};

// A test class whose every test function runs with a fresh HostSession and its own store, and
// fails when a message box was shown.
class HostSessionTest : public QObject
{
    Q_OBJECT
protected:
    QTemporaryDir m_dir;
    HostSession m_session;
    TForm1 *m_host = nullptr;

private slots:
    void init()
    {
        m_session.Start(m_dir.path() + QStringLiteral("/") + QTest::currentTestFunction());
        m_host = m_session.Host;
    }

    void cleanup()
    {
        m_session.Stop();
        QVERIFY2(m_session.Messages.isEmpty(), qPrintable(m_session.Messages.join('\n')));
        m_session.Messages.clear();
    }
};
