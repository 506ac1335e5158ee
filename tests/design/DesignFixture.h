#pragma once

// A design form on screen with its form designer attached, in design state and active, and the
// host's part played by the fixture: it answers which class to place and the palette glyph,
// and records every selection the form reports.

#include "Application.h"
#include "Handles.h"
#include "ZeDesignForm.h"
#include "ZeFormDesigner.h"

#include <QtTest>

class DesignFixture
{
public:
    DesignFixture()
    {
        m_app = std::make_unique<TApplication>(nullptr);
        Form = new TfZeDesignForm(nullptr);
        Designer = new TZeFormDesigner;
        Designer->Form = Form;
        Form->OnQueryNewComponentClass =
            TQueryNewComponentClassEvent::Of<&DesignFixture::QueryClass>(this);
        Form->OnSelectionChanged = TSelectionChangedEvent::Of<&DesignFixture::Selected>(this);
        Form->OnQueryPaletteEntry = TQueryPaletteEntryEvent::Of<&DesignFixture::Entry>(this);
        m_entry.Glyph->Canvas()->Brush()->SetColor(clTeal);
        m_entry.Glyph->Canvas()->FillRect(QRect(0, 0, 24, 24));
        m_entry.Glyph->Canvas()->Brush()->SetColor(clRed);
        m_entry.Glyph->Canvas()->FillRect(QRect(6, 6, 12, 12));
        Form->Show();
        Form->SetDesignState(true);
        Form->SetDesigner(Designer);
        Form->Handle()->activateWindow();
        QApplication::setActiveWindow(Form->Handle());
        (void)QTest::qWaitForWindowActive(Form->Handle());
    }
    ~DesignFixture()
    {
        Free(Form);
        delete Designer;
        m_app.reset();
    }

    TfZeDesignForm *Form;
    TZeFormDesigner *Designer;
    // The class the next left button up places (taken once, as the palette does), and the
    // objects reported as selected, nullptr included.
    TClass Pending = nullptr;
    QList<TObject *> Reported;
    QList<TObject *> Senders;

    QWidget *Surface() { return Form->ClientWidget(); }
    void Click(const QPoint &p, Qt::KeyboardModifiers mods = {},
               Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseMove(Surface(), p);
        QTest::mousePress(Surface(), button, mods, p);
        QTest::mouseRelease(Surface(), button, mods, p);
    }
    void Drag(const QPoint &from, const QPoint &to)
    {
        QTest::mouseMove(Surface(), from);
        QTest::mousePress(Surface(), Qt::LeftButton, {}, from);
        QTest::mouseMove(Surface(), (from + to) / 2);
        QTest::mouseMove(Surface(), to);
        QTest::mouseRelease(Surface(), Qt::LeftButton, {}, to);
    }
    TControl *Place(TClass cls, const QPoint &p)
    {
        Pending = cls;
        Click(p);
        return Form->CurrentControl();
    }
    QList<TControl *> Selection() const
    {
        QList<TControl *> list;
        for (int i = 0; i < Form->StretchHandle->TargetCount(); ++i)
            list << Form->StretchHandle->Target(i);
        return list;
    }
    void Key(Qt::Key key)
    {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : Surface(), key);
    }

private:
    void QueryClass(TClass &cls)
    {
        cls = Pending;
        Pending = nullptr;
    }
    void Selected(TObject *sender, TObject *object)
    {
        Senders << sender;
        Reported << object;
    }
    void Entry(TClass, TComponentcreator *&entry) { entry = &m_entry; }

    std::unique_ptr<TApplication> m_app;
    TComponentcreator m_entry;
};
