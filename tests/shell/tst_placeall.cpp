// Every class on the palette placed on the design form, shown, selected and deleted again,
// and placed a second time with the same name: nothing of it stays behind.

#define QTEST_QPA_MOUSE_HANDLING
#include "Application.h"
#include "Handles.h"
#include "ZeDesignForm.h"
#include "ZeFormDesigner.h"
#include "ZeIDE.h"
#include "ZePalette.h"

#include <QtTest>

class PlaceAllTest : public QObject
{
    Q_OBJECT
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
};

QTEST_MAIN(PlaceAllTest)
#include "tst_placeall.moc"
