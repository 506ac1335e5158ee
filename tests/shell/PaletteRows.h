#pragma once

// Data rows for the checks that sweep every class a user can place: the design form itself
// (class 0), then each class of the palette, named by its class.

#include "ZePalette.h"

#include <QtTest>

inline void AddDesignFormAndPaletteRows()
{
    QTest::addColumn<quintptr>("cls"); // 0: the design form itself
    QTest::newRow("design form") << quintptr(0);
    QCOMPARE(int(PaletteEntries().size()), 63);
    for (TComponentcreator *entry : PaletteEntries())
        QTest::newRow(qPrintable(entry->ComponentClass->ClassName()))
            << quintptr(entry->ComponentClass);
}
