#pragma once

// The windows the stress driver talks to, by the short names its action lines use, and input
// sent to them the way the window system sends it: mouse and key events enter through the
// platform's window-system interface at a top-level window, so the application's message
// filter, mouse capture, popups and focus handling all run as for a real user.

#include <QPoint>
#include <QString>

class QWidget;
class TForm1;
class TZeIDEForm;
class TCustomForm;

// "host", "ide", "form", "insp", "code", "popup" (the open popup: a menu or a drop-down list)
// "modal" (a modal form other than the designer's main window) and "items" (an open collection
// or menu dialog). nullptr when that window is not there.
QWidget *StressWindow(const QString &name, TForm1 *host);
// The designer main window once it is open, shown and attached to its design form.
TZeIDEForm *ReadyDesigner();
// The collection or menu dialog on screen, or nullptr.
QWidget *OpenItemDialog();
// The modal form of the application other than the designer's main window, or nullptr.
TCustomForm *OpenModalForm();
// A point of widget in the coordinates of its top-level window.
QPoint InWindow(const QWidget *widget, const QPoint &point);

enum class TMouseVerb { Press, Release, Move };

// Sends one mouse event to the top-level window at point (window coordinates). button is
// 'L', 'R' or 'M'; mods holds Shift 1, Ctrl 2, Alt 4. A press right after a press at the same
// place becomes a double-click when quick is set.
void SendMouse(QWidget *window, TMouseVerb verb, const QPoint &point, char button, int mods,
               bool quick = false);
// Presses and releases a key in the top-level window (its focused widget gets it).
void SendKey(QWidget *window, int qtKey, int mods);
// Types text character by character.
void SendText(QWidget *window, const QString &text);
// Makes the window the active one, as a click on its title would.
void ActivateWindow(QWidget *window);
