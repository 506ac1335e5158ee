#pragma once

// What the probes under Xvfb need to see the windows as the X server and the window manager
// have them, not as Qt believes they are: X tools run as programs (xwininfo, xprop, xdotool),
// waiting until the window manager has settled, and starting openbox.

#include <QList>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

// Runs an X tool and gives back its output.
QString RunTool(const QString &program, const QStringList &args);
// A property of a window as xprop prints it ("NAME(TYPE) = ...", or "not found").
QString WindowProperty(QWidget *window, const char *property);
// The client area of a top-level window on the screen, as the X server has it.
QRect RealClient(QWidget *window);
// The outer frame: the client area widened by the frame extents the window manager set
// (none without one).
QRect RealFrame(QWidget *window);
// Lets events run for the given time.
void Pump(int ms);
// Waits (up to eight seconds) until every window is placed, framed by the window manager when
// framed is true, and nothing moves any more.
void Settle(const QList<QWidget *> &windows, bool framed);
// Starts openbox on the display and waits until it manages the screen.
bool StartWindowManager(QProcess &wm);
