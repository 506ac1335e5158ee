// Times the object inspector on its real paths and prints the median of each measurement
// against its target: Inspect of one button, Inspect of a 50-control selection, expanding a
// font row by a click on its marker, and typing a value into the in-place edit and pressing
// Enter (on a form holding the button alone, and again with 51 controls on it); and the form
// designer's change notice with 100 controls selected. Each figure runs until the pending
// repaints are done. A benchmark, not a test: it asserts nothing and exits 0 whatever the
// figures.

#define QTEST_QPA_MOUSE_HANDLING
#include "InspectionFixture.h"

#include "ControlScrollBar.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "Handles.h"
#include "Registry.h"
#include "StdCtrls.h"
#include "ZeObjectInspector.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

constexpr int WarmUpRuns = 5;
constexpr int TimedRuns = 51;
constexpr int SelectionSize = 50;
constexpr int LargeSelectionSize = 100;

struct Measurement
{
    const char *name;
    double targetMs;
    double medianMs;
};

// Runs prepare (untimed) and then body (timed) WarmUpRuns + TimedRuns times; the median of
// the timed runs in milliseconds.
double MedianMs(const std::function<void()> &prepare, const std::function<void()> &body)
{
    std::vector<double> times;
    for (int i = 0; i < WarmUpRuns + TimedRuns; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        body();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (i >= WarmUpRuns)
            times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

class InspectorBench
{
public:
    InspectorBench()
    {
        SetSettingsRootForTesting(m_settings.path()); // the real placement store stays as it is
        RegisterStandardEditors();
        Application->MessageBoxSeam = [this](const TMessageBoxRequest &r) {
            m_errors << r.Text;
            return IDOK;
        };
        TfZeDesignForm *form = m_fixture.Form;
        form->SetBounds(0, 0, 800, 600);
        m_button = Place<TButton>(QStringLiteral("Button1"), 10, 10);
        form->Show();
        form->SetDesignState(true);
        form->SetDesigner(m_fixture.Designer);

        m_insp = new TfObjectInspector(nullptr);
        m_insp->Designer = m_fixture.Designer;
        m_insp->FillComponentList();
        m_insp->Show();
        m_insp->Handle()->activateWindow();
        QApplication::setActiveWindow(m_insp->Handle());
        if (!QTest::qWaitForWindowActive(m_insp->Handle()))
            std::fprintf(stderr, "the inspector window did not become active\n");
    }
    ~InspectorBench() { Free(m_insp); }

    std::vector<Measurement> Run()
    {
        std::vector<Measurement> results;
        SelectOnly({m_button});
        const auto inspectButton = [this] { Settled([this] { m_insp->Inspect(m_button); }); };
        results.push_back({"Inspect of one button", 2.0, MedianMs([] {}, inspectButton)});

        // Every run expands a font row that was never expanded: its sub-rows are made by the
        // click, as on the first expansion after selecting a control.
        TObjectInspProperty *font = nullptr;
        const auto freshFontRow = [this, &font] {
            m_insp->Inspect(m_button);
            font = Row(QStringLiteral("Font"));
            ScrollTo(font);
            QApplication::processEvents();
        };
        const auto clickMarker = [this, &font] { Settled([this, &font] { ClickMarker(font); }); };
        results.push_back({"Expanding a font row (click on its marker)", 2.0,
                           MedianMs(freshFontRow, clickMarker)});
        if (!font || !font->Expanded)
            std::fprintf(stderr, "the font row did not expand\n");

        results.push_back({"Typing a value and pressing Enter", 2.0, TypingMs()});

        PlaceSelection(SelectionSize);
        m_fixture.Form->SetDesignState(true);
        m_insp->FillComponentList();
        SelectOnly(m_selection);
        const auto inspectSelection = [this] {
            Settled([this] { m_insp->Inspect(m_selection.front()); });
        };
        results.push_back({"Inspect of a 50-control selection", 20.0,
                           MedianMs([] {}, inspectSelection)});

        // The designer repaints the whole design form on every change: with 51 controls on
        // it, typing costs more.
        SelectOnly({m_button});
        results.push_back({"Typing and Enter, 51 controls on the form", 2.0, TypingMs()});

        // Every property an editor writes ends in this notice: the form is painted again and
        // the handle box fitted around the whole selection.
        PlaceSelection(LargeSelectionSize - SelectionSize);
        m_fixture.Form->SetDesignState(true);
        SelectOnly(m_selection);
        TFormDesigner *designer = m_fixture.Designer;
        const auto notify = [designer] { Settled([designer] { designer->NotifyModified(); }); };
        results.push_back({"NotifyModified with 100 selected controls", 5.0,
                           MedianMs([] {}, notify)});
        if (m_fixture.Form->StretchHandle->TargetCount() != LargeSelectionSize)
            std::fprintf(stderr, "the selection did not survive the notices\n");

        for (const QString &error : m_errors)
            std::fprintf(stderr, "error shown: %s\n", qPrintable(error));
        return results;
    }

private:
    // Runs action, then lets the repaints it left pending run: a figure is the time until
    // the windows show the result.
    static void Settled(const std::function<void()> &action)
    {
        action();
        QApplication::processEvents();
    }
    // The button's Width row is selected once; every run types a new width and presses Enter.
    double TypingMs()
    {
        m_insp->Inspect(m_button);
        TObjectInspProperty *width = Row(QStringLiteral("Width"));
        ScrollTo(width);
        m_insp->SelectRow(width);
        QApplication::processEvents();
        QWidget *edit = m_insp->ePropValue->Handle();
        int run = 0;
        const double ms = MedianMs([this] { m_insp->ePropValue->SelectAll(); },
                                   [edit, &run] {
                                       Settled([edit, &run] {
                                           const int value = 80 + (run++ % 2) * 10;
                                           QTest::keyClicks(edit, QString::number(value));
                                           QTest::keyClick(edit, Qt::Key_Return);
                                       });
                                   });
        if (m_button->Width() != 80 && m_button->Width() != 90)
            std::fprintf(stderr, "typing did not reach the button's Width\n");
        return ms;
    }
    // A mixed selection, as a user drags a band over a form: five classes in turn, ten to a
    // line, below the controls placed before.
    void PlaceSelection(int count)
    {
        for (int k = 0; k < count; ++k) {
            const int i = int(m_selection.size());
            const int left = 10 + (i % 10) * 78, top = 40 + (i / 10) * 30;
            const QString n = QString::number(i);
            switch (i % 5) {
            case 0: m_selection.push_back(Place<TButton>("SelButton" + n, left, top)); break;
            case 1: m_selection.push_back(Place<TEdit>("SelEdit" + n, left, top)); break;
            case 2: m_selection.push_back(Place<TLabel>("SelLabel" + n, left, top)); break;
            case 3: m_selection.push_back(Place<TCheckBox>("SelCheck" + n, left, top)); break;
            default: m_selection.push_back(Place<TPanel>("SelPanel" + n, left, top)); break;
            }
        }
    }
    template<class T> T *Place(const QString &name, int left, int top)
    {
        auto *c = new T(m_fixture.Form);
        c->SetName(name);
        c->SetBounds(left, top, 75, 25);
        c->SetParent(m_fixture.Form);
        return c;
    }
    void SelectOnly(const std::vector<TControl *> &controls)
    {
        TStretchHandle *handle = m_fixture.Form->StretchHandle;
        handle->DetachAll();
        for (TControl *c : controls)
            handle->Attach(c);
    }
    TObjectInspProperty *Row(const QString &name) const
    {
        for (TObjectInspProperty *row : m_insp->TabRows())
            if (row->Editor->GetName() == name)
                return row;
        std::fprintf(stderr, "no row %s\n", qPrintable(name));
        std::exit(1);
    }
    // Scrolls the rows so that a click on the row lands inside the window, as a user would.
    void ScrollTo(TObjectInspProperty *row)
    {
        TControlScrollBar *bar = m_insp->sbInspector->VertScrollBar();
        if (row->Top < bar->Position()
            || row->Top + 18 > bar->Position() + m_insp->sbInspector->ClientHeight())
            bar->SetPosition(std::max(0, row->Top - 20));
    }
    // A click on the row's marker; successive clicks alternate between two spots so that no
    // two of them make a double click.
    void ClickMarker(TObjectInspProperty *row)
    {
        const int x = 4 + (m_clicks++ % 2) * 8;
        QTest::mouseClick(m_insp->pbNames->Handle(), Qt::LeftButton, {},
                          QPoint(x, row->Top + 8));
    }

    QTemporaryDir m_settings;
    InspectionFixture m_fixture;
    TfObjectInspector *m_insp = nullptr;
    TButton *m_button = nullptr;
    std::vector<TControl *> m_selection;
    QStringList m_errors;
    int m_clicks = 0;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<Measurement> results;
    {
        InspectorBench bench;
        results = bench.Run();
    }
    std::printf("%-44s %10s %10s  %s\n", "measurement", "median ms", "target ms", "result");
    for (const Measurement &m : results)
        std::printf("%-44s %10.3f %10.1f  %s\n", m.name, m.medianMs, m.targetMs,
                    m.medianMs < m.targetMs ? "meets" : "MISSED");
    std::printf("(median of %d runs after %d warm-up runs)\n", TimedRuns, WarmUpRuns);
    return 0;
}
