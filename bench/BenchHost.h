#pragma once

// The host window as a benchmark starts it: the application with a settings store of its own
// (the real placement store stays as it is), message boxes printed instead of shown, and
// "Form1" on screen.

#include "Application.h"
#include "Registry.h"
#include "Unit1.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <memory>

class BenchHost
{
public:
    // False when the host window never came on screen.
    bool Start()
    {
        SetSettingsRootForTesting(m_settings.path());
        m_app = std::make_unique<TApplication>(nullptr);
        m_app->MessageBoxSeam = [](const TMessageBoxRequest &r) {
            std::fprintf(stderr, "message: %s\n", qPrintable(r.Text));
            return IDOK;
        };
        m_app->CreateForm(Host);
        Host->Show();
        return QTest::qWaitForWindowExposed(Host->Handle());
    }

    TForm1 *Host = nullptr; // owned by the application

private:
    QTemporaryDir m_settings;
    std::unique_ptr<TApplication> m_app;
};
