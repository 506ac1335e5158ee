#pragma once

// Putting controls on a test form and showing it.

#include "Forms.h"

#include <QtTest>

// Gives control its bounds and alignment inside parent; returns it.
template<class T> T *Place(T *control, TWinControl *parent, const QRect &bounds,
                           TAlign align = alNone)
{
    control->SetBoundsRect(bounds);
    control->SetAlign(align);
    control->SetParent(parent);
    return control;
}

// Shows form and waits until the window system has exposed it.
inline void ShowForm(TForm &form)
{
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(form.Handle()));
}
