// Every class on the palette placed on the design form, shown, selected and deleted again,
// and placed a second time with the same name: nothing of it stays behind. Each class starts
// at the defaults its table declares.

#define QTEST_QPA_MOUSE_HANDLING
#include "Application.h"
#include "PrivateSettingsStore.h"
#include "Forms.h"
#include "Handles.h"
#include "ZeDesignForm.h"
#include "ZeFormDesigner.h"
#include "ZeIDE.h"
#include "ZePalette.h"

#include <QtTest>

class PlaceAllTest : public QObject
{
    Q_OBJECT
    PrivateSettingsStore m_store; // the designer windows' places go there
private:
    std::unique_ptr<TApplication> m_app;

private slots:
    void init()
    {
        InstallPaletteHooks();
        m_app = std::make_unique<TApplication>(nullptr);
        new TZeIDEForm(m_app.get()); // registers the placeable classes
    }
    void cleanup()
    {
        m_app.reset();
        ReleasePaletteRegistry();
    }

    void everyPaletteClassPlacesAndDeletes()
    {
        auto *form = new TfZeDesignForm(nullptr);
        TZeFormDesigner designer;
        designer.Form = form;
        struct Entries {
            void Find(TClass cls, TComponentcreator *&entry) { entry = FindPaletteEntry(cls); }
        } entries;
        form->OnQueryPaletteEntry = TQueryPaletteEntryEvent::Of<&Entries::Find>(&entries);
        form->Show();
        form->SetDesignState(true);
        form->SetDesigner(&designer);
        QCOMPARE(int(PaletteEntries().size()), 63);
        for (TComponentcreator *entry : PaletteEntries()) {
            const QString name = entry->ComponentClass->ClassName();
            TControl *placed = form->PlaceComponent(entry->ComponentClass, 30, 40, form, 30, 40);
            TComponent *component = placed;
            if (auto *proxy = ObjectCast<TZeSubComponent>(placed)) {
                component = proxy->Component();
                QCOMPARE(proxy->Width(), 26);
                QVERIFY2(!proxy->Glyph->Empty(), qPrintable(name));
            }
            QVERIFY2(component->Is(entry->ComponentClass), qPrintable(name));
            QCOMPARE(component->Name(), name.mid(1) + QStringLiteral("1"));
            QVERIFY2(component->Designing(), qPrintable(name));
            form->StretchHandle->Attach(placed);
            form->Repaint();
            QApplication::processEvents();
            form->DeleteControl(placed);
            QCOMPARE(form->ComponentCount(), 0);
            QVERIFY(!form->StretchHandle->HasTargets());
            // The name is free again.
            TControl *again = form->PlaceComponent(entry->ComponentClass, 30, 40, form, 30, 40);
            TComponent *second = again;
            if (auto *proxy = ObjectCast<TZeSubComponent>(again))
                second = proxy->Component();
            QCOMPARE(second->Name(), name.mid(1) + QStringLiteral("1"));
            form->DeleteControl(again);
        }
        Free(form);
    }

    // A new component of each class (the icon-less menu item too) has the value its table
    // declares as default, for every ordinal property that declares one: what the inspector
    // shows as unchanged is unchanged.
    void everyPaletteClassStartsAtItsDeclaredDefaults()
    {
        TForm owner(nullptr);
        QStringList differing;
        std::vector<TComponentcreator *> entries = PaletteEntries();
        entries.insert(entries.end(), IconlessEntries().begin(), IconlessEntries().end());
        for (TComponentcreator *entry : entries) {
            TObject *object = entry->ComponentClass->Create(&owner);
            for (const TPropInfo *p : GetPropList(object)) {
                const TTypeKind kind = p->PropType->Kind;
                const bool ordinal = kind == KindInteger || kind == KindChar
                    || kind == KindEnumeration || kind == KindSet || kind == KindWideChar;
                if (!ordinal || p->Default == TPropInfo::NoDefault)
                    continue;
                const qint64 value = GetOrdProp(object, p);
                if (value != p->Default)
                    differing << QStringLiteral("%1.%2 = %3, default %4")
                                     .arg(object->ClassName(), p->Name)
                                     .arg(value)
                                     .arg(p->Default);
            }
        }
        QCOMPARE(differing, QStringList());
    }

    // Every windowed control on the palette takes a help context, as its standard class does.
    void everyWindowedPaletteClassPublishesHelpContext()
    {
        QStringList lacking;
        for (TComponentcreator *entry : PaletteEntries()) {
            const TClass cls = entry->ComponentClass;
            if (cls->InheritsFrom(TWinControl::StaticClass())
                && !GetPropInfo(cls, QStringLiteral("HelpContext")))
                lacking << cls->ClassName();
        }
        QCOMPARE(lacking, QStringList());
    }
};

QTEST_MAIN(PlaceAllTest)
#include "tst_placeall.moc"
