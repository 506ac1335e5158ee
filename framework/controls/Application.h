#pragma once

// The application object: the message loop, the application-wide message filter, modal
// showing's companions, the standard error display and message boxes, with seams for tests.

#include "Classes.h"
#include "Messages.h"

#include <QObject>
#include <QPointer>

#include <functional>

class TControl;
class TCustomForm;
class QApplication;

// Message box flags and answers in the classic numbering.
enum : int {
    MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4,
    MB_ICONERROR = 0x10, MB_ICONSTOP = 0x10, MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// Sees one message before it is dispatched; setting handled keeps it from every widget.
using TMessageEvent = TEvent<TMsg &, bool &>;

// A message box as shown, for tests that answer it.
struct TMessageBoxRequest
{
    QString Text;
    QString Caption;
    int Flags = 0;
};

class TApplication : public TComponent
{
    Z_CLASS(TApplication)
public:
    explicit TApplication(TComponent *owner);
    ~TApplication() override;

    void Initialize();
    // Creates a form owned by the application; the first becomes the main form.
    template<class T> void CreateForm(T *&reference)
    {
        reference = new T(this);
        if (!m_mainForm)
            m_mainForm = reference;
    }
    TCustomForm *MainForm() const { return m_mainForm; } // owned through Components
    void SetMainForm(TCustomForm *form) { m_mainForm = form; }
    // Shows the main form and runs the message loop until it closes.
    void Run();
    void Terminate();
    bool Terminated() const { return m_terminated; }
    void ProcessMessages();
    // Lets pending painting, layout and posted messages run, but not the user's input: a
    // layout step inside the handling of one click must not handle the next click (or this
    // click's release) before the click itself has reached its control.
    void ProcessNonInputMessages();
    void ReleaseForm(TCustomForm *form);

    QString Title() const { return m_title; }
    void SetTitle(const QString &title) { m_title = title; }

    // The long hint of the control under the mouse (see GetLongHint), followed as the mouse
    // moves from control to control; empty where there is none. A change reaches every control
    // of the source's form (the main form's without a source) through ApplicationHintChanged:
    // a status bar with AutoHint shows it.
    QString Hint() const { return m_hint; }
    void SetHint(const QString &hint, TControl *source = nullptr);

    // Installs the application-wide message filter and returns the one it replaces. The filter
    // sees each user input once, before any widget gets it.
    TMessageEvent SetOnMessage(const TMessageEvent &filter);
    const TMessageEvent &OnMessage() const { return m_onMessage; }

    // Shows a message box; answers IDOK, IDYES, IDNO or IDCANCEL.
    int MessageBox(const QString &text, const QString &caption, int flags);
    // The standard error display.
    void ShowException(const Exception &error);

    // Test seam: when set, message boxes are answered by it instead of being shown.
    std::function<int(const TMessageBoxRequest &)> MessageBoxSeam;

    void Notification(TComponent *component, TOperation operation) override;

private:
    class Filter;
    TMessageEvent m_onMessage;
    TCustomForm *m_mainForm = nullptr;
    bool m_terminated = false;
    QString m_title;
    QString m_hint;
    Filter *m_filter = nullptr; // owned
};

// A hint's parts: "short|long". Without a bar both are the whole hint.
QString GetShortHint(const QString &hint);
QString GetLongHint(const QString &hint);

// The application object; made by the program (or a test) before any form.
extern TApplication *Application;

// Asks a question with the buttons Yes and No; true for Yes.
bool ConfirmYesNo(const QString &text);
