#pragma once

// What a user does in the designer, as the shell tests do it: choosing a palette page and a
// class, clicking on the design form, activating a window, pressing a key in it, and typing a
// value into a row of the inspector.

#include "Buttons.h"
#include "ComCtrls.h"
#include "ControlScrollBar.h"
#include "ExtCtrls.h"
#include "ZeDesignForm.h"
#include "ZeIDE.h"
#include "ZeObjectInspector.h"

#include <QtTest>

inline TSpeedButton *PaletteButton(TZeIDEForm *ide, TClass cls)
{
    for (int i = 0; i < ide->pPalette->ControlCount(); ++i) {
        auto *button = static_cast<TSpeedButton *>(ide->pPalette->Controls(i));
        if (button->Hint() == cls->ClassName())
            return button;
    }
    return nullptr;
}

inline void ShowPalettePage(TZeIDEForm *ide, const QString &page)
{
    ide->tcPalette->SetTabIndex(ide->tcPalette->Tabs()->IndexOf(page));
    ide->tcPaletteChange(ide->tcPalette);
}

inline void PickClass(TZeIDEForm *ide, TClass cls, Qt::KeyboardModifiers mods = {})
{
    TSpeedButton *button = PaletteButton(ide, cls);
    QVERIFY2(button, qPrintable(cls->ClassName()));
    QTest::mouseClick(button->Handle(), Qt::LeftButton, mods, QPoint(5, 5));
}

inline void ClickDesignForm(TfZeDesignForm *form, const QPoint &p,
                            Qt::KeyboardModifiers mods = {})
{
    QWidget *surface = form->ClientWidget();
    QTest::mouseMove(surface, p);
    QTest::mousePress(surface, Qt::LeftButton, mods, p);
    QTest::mouseRelease(surface, Qt::LeftButton, mods, p);
}

// Presses at from, moves to to in two steps and releases there.
inline void DragOnDesignForm(TfZeDesignForm *form, const QPoint &from, const QPoint &to)
{
    QWidget *surface = form->ClientWidget();
    QTest::mouseMove(surface, from);
    QTest::mousePress(surface, Qt::LeftButton, {}, from);
    QTest::mouseMove(surface, (from + to) / 2);
    QTest::mouseMove(surface, to);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, to);
}

inline void Activate(TCustomForm *window)
{
    window->Handle()->activateWindow();
    QApplication::setActiveWindow(window->Handle());
    (void)QTest::qWaitForWindowActive(window->Handle());
}

// The key as pressed in a window: it goes to the window's focused widget.
inline void PressIn(TCustomForm *window, Qt::Key key)
{
    Activate(window);
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == window->Handle() ? focus : window->Handle(), key);
}

inline TObjectInspProperty *InspectorRow(TfObjectInspector *insp, const QString &name)
{
    for (TObjectInspProperty *row : insp->TabRows())
        if (row->Editor->GetName() == name)
            return row;
    return nullptr;
}

// Types text as the value of the named row and presses Enter.
inline void TypeValue(TfObjectInspector *insp, const QString &name, const QString &text)
{
    TObjectInspProperty *row = InspectorRow(insp, name);
    QVERIFY2(row, qPrintable(name));
    insp->sbInspector->VertScrollBar()->SetPosition(std::max(0, row->Top - 20));
    QTest::mouseClick(insp->pbValues->Handle(), Qt::LeftButton, {}, QPoint(30, row->Top + 8));
    QVERIFY(insp->ePropValue->Visible());
    insp->ePropValue->SelectAll();
    QTest::keyClicks(insp->ePropValue->Handle(), text);
    QTest::keyClick(insp->ePropValue->Handle(), Qt::Key_Return);
}

