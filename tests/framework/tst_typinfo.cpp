#include "Classes.h"
#include "TypInfo.h"

#include <QtTest>

namespace {

enum TSample { smNone, smOne, smTwo };

PTypeInfo TypeInfoTSample()
{
    static const TTypeInfo *t = NewEnumType(QStringLiteral("TSample"),
                                            {QStringLiteral("smNone"), QStringLiteral("smOne"),
                                             QStringLiteral("smTwo")});
    return t;
}

PTypeInfo TypeInfoTSamples()
{
    static const TTypeInfo *t = NewSetType(QStringLiteral("TSamples"), TypeInfoTSample());
    return t;
}

class TBase : public TComponent
{
    Z_CLASS(TBase)
public:
    using TComponent::TComponent;
    int Width() const { return m_width; }
    void SetWidth(int w) { m_width = w; }
    QString Caption() const { return m_caption; }
    void SetCaption(const QString &c) { m_caption = c; }
    double Ratio() const { return m_ratio; }
    int Count() const { return 7; }

private:
    int m_width = 10;
    QString m_caption;
    double m_ratio = 0.5;
};

class TDerived : public TBase
{
    Z_CLASS(TDerived)
public:
    using TBase::TBase;
    TSample Kind() const { return m_kind; }
    void SetKind(TSample k) { m_kind = k; }
    quint32 Flags() const { return m_flags; }
    void SetFlags(quint32 f) { m_flags = f; }
    TBase *Buddy() const { return m_buddy; }
    void SetBuddy(TBase *b) { m_buddy = b; }
    // Redeclared: the most derived declaration wins (here with a caption type).
    QString Caption() const { return TBase::Caption(); }
    void SetCaption(const QString &c) { TBase::SetCaption(c.toUpper()); }
    TNotifyEvent OnClick;

private:
    TSample m_kind = smOne;
    quint32 m_flags = 0;
    TBase *m_buddy = nullptr;
};

TPropTable BaseProps()
{
    return {
        Prop<TBase>("Width", TypeInfoInteger(), &TBase::Width, &TBase::SetWidth, 10),
        Prop<TBase>("caption", TypeInfoString(), &TBase::Caption, &TBase::SetCaption),
        Prop<TBase>("Ratio", TypeInfoDouble(), &TBase::Ratio),
        Prop<TBase>("Count", TypeInfoInteger(), &TBase::Count),
    };
}
Z_DEFINE_CLASS(TBase, TComponent, BaseProps)

TPropTable DerivedProps()
{
    return {
        Prop<TDerived>("Kind", TypeInfoTSample(), &TDerived::Kind, &TDerived::SetKind),
        Prop<TDerived>("Flags", TypeInfoTSamples(), &TDerived::Flags, &TDerived::SetFlags),
        Prop<TDerived>("Buddy", TBase::StaticClass()->ClassTypeInfo(), &TDerived::Buddy,
                       &TDerived::SetBuddy),
        Prop<TDerived>("Caption", TypeInfoTCaption(), &TDerived::Caption, &TDerived::SetCaption),
        EventProp<TDerived>("OnClick", TypeInfoTNotifyEvent(), &TDerived::OnClick),
    };
}
Z_DEFINE_CLASS(TDerived, TBase, DerivedProps)

struct Recorder
{
    void Clicked(TObject *sender) { last = sender; }
    void Other(TObject *) {}
    TObject *last = nullptr;
};

QStringList NamesOf(const TPropList &list)
{
    QStringList names;
    for (const TPropInfo *p : list)
        names << p->Name;
    return names;
}

} // namespace

class TypInfoTest : public QObject
{
    Q_OBJECT
private slots:
    void classReferences()
    {
        TDerived d(nullptr);
        QCOMPARE(d.ClassName(), QStringLiteral("TDerived"));
        QCOMPARE(d.ClassType()->Parent, TBase::StaticClass());
        QVERIFY(d.Is<TComponent>());
        QVERIFY(!TBase::StaticClass()->InheritsFrom(TDerived::StaticClass()));
        QVERIFY(d.As<TBase>() == &d);
        TBase b(nullptr);
        QVERIFY_THROWS_EXCEPTION(EInvalidCast, b.As<TDerived>());
        std::unique_ptr<TObject> made(TDerived::StaticClass()->Create(nullptr));
        QVERIFY(made && made->Is<TDerived>());
    }

    void propListIsFilteredSortedAndCountsRedeclaredNamesOnce()
    {
        const TPropList all = GetPropList(TDerived::StaticClass());
        QCOMPARE(NamesOf(all), (QStringList{"Buddy", "Caption", "Count", "Flags", "Kind", "Name",
                                            "OnClick", "Ratio", "Tag", "Width"}));
        // The redeclaration is the one kept.
        const TPropInfo *caption = GetPropInfo(TDerived::StaticClass(), "CAPTION");
        QCOMPARE(caption->PropType, TypeInfoTCaption());
        const TPropList methods = GetPropList(TDerived::StaticClass(), KindBit(KindMethod));
        QCOMPARE(NamesOf(methods), QStringList{"OnClick"});
        const TPropList ordinals = GetPropList(
            TDerived::StaticClass(), KindBit(KindInteger) | KindBit(KindEnumeration));
        QCOMPARE(NamesOf(ordinals), (QStringList{"Count", "Kind", "Tag", "Width"}));
        QVERIFY(!GetPropInfo(TDerived::StaticClass(), "Count")->HasWrite);
        QCOMPARE(GetPropInfo(TDerived::StaticClass(), "Width")->Default, 10);
    }

    void typedAccess()
    {
        TDerived d(nullptr), buddy(nullptr);
        SetOrdProp(&d, GetPropInfo(&d, "Width"), 42);
        QCOMPARE(d.Width(), 42);
        SetOrdProp(&d, GetPropInfo(&d, "Kind"), smTwo);
        QCOMPARE(d.Kind(), smTwo);
        SetOrdProp(&d, GetPropInfo(&d, "Flags"), (1 << smNone) | (1 << smTwo));
        QCOMPARE(GetOrdProp(&d, GetPropInfo(&d, "Flags")), 5);
        SetStrProp(&d, GetPropInfo(&d, "Caption"), "abc");
        QCOMPARE(GetStrProp(&d, GetPropInfo(&d, "Caption")), QStringLiteral("ABC"));
        QCOMPARE(GetFloatProp(&d, GetPropInfo(&d, "Ratio")), 0.5);
        QVERIFY_THROWS_EXCEPTION(EPropertyError, SetFloatProp(&d, GetPropInfo(&d, "Ratio"), 1));

        const TPropInfo *buddyProp = GetPropInfo(&d, "Buddy");
        SetOrdProp(&d, buddyProp, qint64(reinterpret_cast<std::intptr_t>(
                                      static_cast<TObject *>(&buddy))));
        QCOMPARE(d.Buddy(), &buddy);
        QCOMPARE(GetObjectProp(&d, buddyProp), static_cast<TObject *>(&buddy));
        TPersistent wrongKind;
        QVERIFY_THROWS_EXCEPTION(EPropertyError,
                                 SetOrdProp(&d, buddyProp,
                                            qint64(reinterpret_cast<std::intptr_t>(
                                                static_cast<TObject *>(&wrongKind)))));
        QCOMPARE(d.Buddy(), &buddy);
    }

    void methodValuesCompareAndCall()
    {
        TDerived d(nullptr);
        Recorder r;
        const TPropInfo *onClick = GetPropInfo(&d, "OnClick");
        QVERIFY(!GetMethodProp(&d, onClick).Assigned());
        d.OnClick(&d); // unassigned: not called, no crash
        const TNotifyEvent handler = TNotifyEvent::Of<&Recorder::Clicked>(&r);
        SetMethodProp(&d, onClick, handler.Method());
        QVERIFY(GetMethodProp(&d, onClick) == handler.Method());
        QVERIFY(!(handler == TNotifyEvent::Of<&Recorder::Other>(&r)));
        d.OnClick(&d);
        QCOMPARE(r.last, static_cast<TObject *>(&d));
    }

    void enumNamesBothWays()
    {
        QCOMPARE(GetEnumName(TypeInfoTSample(), smTwo), QStringLiteral("smTwo"));
        QCOMPARE(GetEnumValue(TypeInfoTSample(), "SMONE"), 1);
        QCOMPARE(GetEnumValue(TypeInfoTSample(), "smThree"), -1);
        QCOMPARE(GetEnumValue(TypeInfoBoolean(), "true"), 1);
        QCOMPARE(GetTypeData(TypeInfoTSamples()), TypeInfoTSample());
    }

    void namedTypesAreDistinctRecords()
    {
        QVERIFY(TypeInfoTColor() != TypeInfoInteger());
        QVERIFY(TypeInfoTCaption() != TypeInfoString());
        QCOMPARE(TypeInfoTCaption()->Kind, KindLongString);
        QCOMPARE(TypeInfoTDateTime()->Kind, KindFloat);
        QCOMPARE(TypeInfoTColor(), TypeInfoTColor());
        QCOMPARE(TBase::StaticClass()->ClassTypeInfo()->ClassType, TBase::StaticClass());
    }

    void streamingRegistryFindsIgnoringCase()
    {
        RegisterClass(TDerived::StaticClass());
        QCOMPARE(GetClass("tderived"), TDerived::StaticClass());
        QCOMPARE(GetClass("TNothing"), TClass(nullptr));
        try {
            FindClass("TNothing");
            QFAIL("no error");
        } catch (const EClassNotFound &e) {
            QCOMPARE(e.Message(), QStringLiteral("Class TNothing not found"));
        }
    }
};

QTEST_GUILESS_MAIN(TypInfoTest)
#include "tst_typinfo.moc"
