// The palette: registration into pages and tabs, the class buttons, one-shot and sticky choice,
// scrolling, and the registry's questions.

#define QTEST_QPA_MOUSE_HANDLING
#include "Application.h"
#include "PrivateSettingsStore.h"
#include "Buttons.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "ZeDesignForm.h"
#include "ZeClientComponents.h"
#include "ZeIDE.h"
#include "ZePalette.h"

#include <QtTest>

namespace {

// Distinct classes to fill pages with: the registry knows classes by identity and name.
template<int N> class TSample : public TComponent
{
public:
    using TComponent::TComponent;
    static TClass StaticClass()
    {
        static const QByteArray name = "TSample" + QByteArray::number(N);
        static const TClassInfo info{name.constData(), TComponent::StaticClass(),
                                     &CreateInstanceOf<TSample>, &NoPublishedProps, nullptr,
                                     nullptr};
        return &info;
    }
    TClass ClassType() const override { return StaticClass(); }
};

template<int... N> std::vector<TClass> Samples(std::integer_sequence<int, N...>)
{
    return {TSample<N>::StaticClass()...};
}

QString MessageOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const Exception &e) {
        return e.Message();
    }
    return {};
}

QList<TSpeedButton *> ClassButtons(TZeIDEForm *ide)
{
    QList<TSpeedButton *> buttons;
    for (int i = 0; i < ide->pPalette->ControlCount(); ++i)
        buttons << static_cast<TSpeedButton *>(ide->pPalette->Controls(i));
    return buttons;
}

} // namespace

class PaletteTest : public QObject
{
    Q_OBJECT
    PrivateSettingsStore m_store; // the designer windows' places go there
private:
    std::unique_ptr<TApplication> m_app;
    TZeIDEForm *m_ide = nullptr;

private slots:
    void init()
    {
        InstallPaletteHooks();
        m_app = std::make_unique<TApplication>(nullptr);
        m_ide = new TZeIDEForm(m_app.get()); // registers the placeable classes
        RegisterComponents("Many", Samples(std::make_integer_sequence<int, 30>()));
        RegisterComponents("many", {TSpeedButton::StaticClass()});
        m_ide->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_ide->Handle()));
    }

    void cleanup()
    {
        m_app.reset();
        ReleasePaletteRegistry();
    }

    void tabsFollowFirstRegistrationIgnoringCase()
    {
        TStrings *tabs = m_ide->tcPalette->Tabs();
        QCOMPARE(tabs->ToStringList(), (QStringList{"Standard", "Additional", "Win32", "System",
                                                     "Database", "Dialogs", "Many"}));
        // The entry keeps the page name as passed.
        QCOMPARE(FindPaletteEntry(TSpeedButton::StaticClass())->PageName, QStringLiteral("many"));
        QVERIFY(GetClass("TSample3"));
    }

    void pageButtonsAreLaidOutWithHints()
    {
        const QList<TSpeedButton *> buttons = ClassButtons(m_ide);
        QCOMPARE(buttons.size(), 14);
        QCOMPARE(buttons[0]->BoundsRect(), QRect(10, 2, 26, 26));
        QCOMPARE(buttons[1]->Left(), 38);
        QCOMPARE(buttons[13]->Left(), 10 + 13 * 28);
        QCOMPARE(buttons[1]->Hint(), QStringLiteral("TZePopupMenu"));
        QVERIFY(buttons[1]->ShowHint() && buttons[1]->Flat() && buttons[1]->AllowAllUp());
        QCOMPARE(buttons[1]->GroupIndex(), 1);
        QCOMPARE(buttons[1]->Tag(), 1);
        QCOMPARE(m_ide->pPalette->Width(), 402);
        // The glyph is the class's own or the fallback: never left empty.
        QCOMPARE(buttons[0]->Glyph()->Width(), 24);
    }

    void oneShotChoiceReturnsToTheArrow()
    {
        TSpeedButton *button = ClassButtons(m_ide)[0];
        QTest::mouseClick(button->Handle(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(m_ide->ChosenClass, TZeMainMenu::StaticClass());
        QVERIFY(button->Down());
        QVERIFY(!m_ide->sbCursor->Down());
        QVERIFY(m_ide->sbCursor->Flat());
        QCOMPARE(m_ide->TakeClassToPlace(), TZeMainMenu::StaticClass());
        QCOMPARE(m_ide->ChosenClass, TClass(nullptr));
        QVERIFY(m_ide->sbCursor->Down());
        QVERIFY(!button->Down());
        QCOMPARE(m_ide->TakeClassToPlace(), TClass(nullptr));
    }

    void stickyChoiceSurvivesPlacementsUntilTheArrow()
    {
        TSpeedButton *button = ClassButtons(m_ide)[1];
        QTest::mouseClick(button->Handle(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 5));
        QVERIFY(m_ide->StickyChoice);
        QVERIFY(!m_ide->sbCursor->Flat()); // raised arrow: the choice is sticky
        QCOMPARE(m_ide->TakeClassToPlace(), TZePopupMenu::StaticClass());
        QCOMPARE(m_ide->TakeClassToPlace(), TZePopupMenu::StaticClass());
        m_ide->sbCursorClick(m_ide->sbCursor);
        QCOMPARE(m_ide->ChosenClass, TClass(nullptr));
        QVERIFY(!m_ide->StickyChoice);
        QVERIFY(m_ide->sbCursor->Flat());
        QVERIFY(!button->Down());
    }

    void tabChangeReturnsToSelectModeAndRebuilds()
    {
        QTest::mouseClick(ClassButtons(m_ide)[0]->Handle(), Qt::LeftButton, Qt::ShiftModifier,
                          QPoint(5, 5));
        m_ide->pPalette->SetLeft(-56);
        m_ide->tcPalette->SetTabIndex(6);
        m_ide->tcPaletteChange(m_ide->tcPalette);
        QCOMPARE(m_ide->ChosenClass, TClass(nullptr));
        QVERIFY(m_ide->sbCursor->Down());
        QCOMPARE(m_ide->pPalette->Left(), 0);
        QCOMPARE(ClassButtons(m_ide).size(), 31);
        QCOMPARE(m_ide->pPalette->Width(), 10 + 31 * 28);
    }

    void scrollingStopsAtBothEnds()
    {
        m_ide->tcPalette->SetTabIndex(6);
        m_ide->tcPaletteChange(m_ide->tcPalette);
        const int parentWidth = m_ide->pPaletteParent->Width();
        const int stripWidth = m_ide->pPalette->Width();
        QVERIFY(stripWidth > parentWidth);
        for (int i = 0; i < 100; ++i)
            m_ide->SpeedButton1Click(m_ide->SpeedButton1);
        QCOMPARE(m_ide->pPalette->Left(), parentWidth - stripWidth); // right edges meet
        m_ide->SpeedButton3Click(m_ide->SpeedButton3);
        QCOMPARE(m_ide->pPalette->Left(), parentWidth - stripWidth + 28);
        for (int i = 0; i < 100; ++i)
            m_ide->SpeedButton3Click(m_ide->SpeedButton3);
        QCOMPARE(m_ide->pPalette->Left(), 0);
        // A strip narrower than its panel never moves.
        m_ide->tcPalette->SetTabIndex(0);
        m_ide->tcPaletteChange(m_ide->tcPalette);
        m_ide->SpeedButton1Click(m_ide->SpeedButton1);
        QCOMPARE(m_ide->pPalette->Left(), 0);
    }

    void registryQuestions()
    {
        QVERIFY(!IsPaletteClassName("tmenuitem"));
        QVERIFY(!IsPaletteClassName("TMENUITEM"));
        QVERIFY(IsPaletteClassName("TZeButton"));
        QCOMPARE(FindPaletteEntry(TZeButton::StaticClass())->ComponentClass,
                 TZeButton::StaticClass());
        QCOMPARE(FindPaletteEntry(TButton::StaticClass()), nullptr); // identity, not ancestry
        QCOMPARE(FindPaletteEntry(TForm::StaticClass()), nullptr);
    }

    void duplicatesAndRepeatedOpenings()
    {
        const size_t count = PaletteEntries().size();
        // The same class on the same page again (a second opening): nothing new, no error.
        RegisterComponents("STANDARD", {TZeButton::StaticClass()});
        QCOMPARE(PaletteEntries().size(), count);
        // Another class of the same name: refused; classes before it stay registered.
        static const TClassInfo impostor{"TZePanel", TComponent::StaticClass(), nullptr,
                                         &NoPublishedProps, nullptr, nullptr};
        QCOMPARE(MessageOf([&] {
                     RegisterComponents("Other", {TSample<90>::StaticClass(), &impostor});
                 }),
                 QStringLiteral("Dublicat class name TZePanel"));
        QCOMPARE(PaletteEntries().size(), count + 1);
        RegisterNoIcon({TMenuItem::StaticClass()});
        QCOMPARE(IconlessEntries().size(), size_t(1));
    }

    void sixPagesHoldTheSixtyThreeClasses()
    {
        const QList<int> expected = {14, 11, 11, 3, 14, 10};
        for (int page = 0; page < expected.size(); ++page) {
            m_ide->tcPalette->SetTabIndex(page);
            m_ide->tcPaletteChange(m_ide->tcPalette);
            QCOMPARE(ClassButtons(m_ide).size(), expected[page]);
            // Every class has a glyph of its own, not the fallback.
            for (TSpeedButton *b : ClassButtons(m_ide)) {
                TBitmap fallback;
                QVERIFY(fallback.LoadFromResourceName("DEFAULT_COMP"));
                QVERIFY2(b->Glyph()->Image() != fallback.Image(), qPrintable(b->Hint()));
            }
        }
        QCOMPARE(PaletteEntries().size(), size_t(63 + 31));
    }

    void aSecondOpeningRegistersNothingTwice()
    {
        const size_t entries = PaletteEntries().size();
        auto *second = new TZeIDEForm(m_app.get());
        QCOMPARE(PaletteEntries().size(), entries);
        QCOMPARE(IconlessEntries().size(), size_t(1));
        QCOMPARE(second->tcPalette->Tabs()->Count(), 6); // its own tabs
        QCOMPARE(CurrentIDEForm, second);
        Free(second);
        QCOMPARE(CurrentIDEForm, nullptr);
    }

    void entryPointsRefuseWithoutHooks()
    {
        ReleasePaletteRegistry();
        QCOMPARE(MessageOf([] { RegisterComponents("X", {TButton::StaticClass()}); }),
                 QStringLiteral("Invalid component registration"));
        QCOMPARE(MessageOf([] { RegisterNoIcon({TButton::StaticClass()}); }),
                 QStringLiteral("Invalid component registration"));
        InstallPaletteHooks();
    }
};

QTEST_MAIN(PaletteTest)
#include "tst_palette.moc"
