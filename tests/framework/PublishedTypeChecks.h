#pragma once

// A data-driven check that a class publishes a property with the given type record and
// default: the columns, one row, and the check of a row, for test classes that list such
// properties class by class.

#include "TypInfo.h"

#include <QString>
#include <QTest>

inline void AddPublishedTypeColumns()
{
    QTest::addColumn<void *>("cls");
    QTest::addColumn<QString>("prop");
    QTest::addColumn<void *>("type");
    QTest::addColumn<qint64>("defaultValue");
}

// A row named "Class.Property"; pass TPropInfo::NoDefault where the property has none.
inline void AddPublishedTypeRow(TClass cls, const char *prop, PTypeInfo type, qint64 def)
{
    QTest::addRow("%s.%s", cls->Name, prop)
        << const_cast<void *>(static_cast<const void *>(cls)) << QString::fromLatin1(prop)
        << const_cast<void *>(static_cast<const void *>(type)) << def;
}

// The check of the current row.
inline void VerifyPublishedTypeAndDefault()
{
    QFETCH(void *, cls);
    QFETCH(QString, prop);
    QFETCH(void *, type);
    QFETCH(qint64, defaultValue);
    const TPropInfo *info = GetPropInfo(static_cast<TClass>(cls), prop);
    QVERIFY2(info, qPrintable(prop));
    QCOMPARE(static_cast<const void *>(info->PropType), static_cast<const void *>(type));
    QCOMPARE(info->Default, defaultValue);
}
