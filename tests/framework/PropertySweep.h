#pragma once

// Sets every published value property of a component through the run-time type information,
// the way the inspector would: each enumeration to its last and first value, each set to all
// and no elements, each number one up from its value (within its type), colours to red,
// dates to a fixed day and strings to a sample text.
// Returns "Class.Property: message" for each write the component refused with an error.

#include "Graphics.h"
#include "TypInfo.h"

#include <QStringList>

#include <algorithm>

inline QStringList SweepPublishedProperties(TObject *obj)
{
    QStringList refused;
    for (const TPropInfo *p : GetPropList(obj)) {
        if (!p->HasWrite)
            continue;
        const PTypeInfo t = p->PropType;
        try {
            switch (t->Kind) {
            case KindEnumeration:
                SetOrdProp(obj, p, t->MaxValue);
                SetOrdProp(obj, p, t->MinValue);
                break;
            case KindSet: {
                const PTypeInfo e = GetTypeData(t);
                SetOrdProp(obj, p, (qint64(1) << (e->MaxValue + 1)) - 1);
                SetOrdProp(obj, p, 0);
                break;
            }
            case KindInteger:
            case KindChar:
            case KindWideChar:
                if (t == TypeInfoTColor())
                    SetOrdProp(obj, p, clRed);
                else
                    SetOrdProp(obj, p, std::clamp<qint64>(GetOrdProp(obj, p) + 1, t->MinValue,
                                                          t->MaxValue));
                break;
            case KindFloat:
                SetFloatProp(obj, p, 45000.25);
                break;
            case KindLongString:
            case KindShortString:
            case KindWideString:
                SetStrProp(obj, p, QStringLiteral("Sample"));
                break;
            default:
                break; // objects and events are not values to sweep
            }
        } catch (const Exception &e) {
            refused << obj->ClassName() + QLatin1Char('.') + p->Name + QStringLiteral(": ")
                           + e.Message();
        }
    }
    return refused;
}
