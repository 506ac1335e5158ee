#include "VirtualKeys.h"

#include <QKeyEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>
#include "XvfbProbe.h"

#include <QtTest>

namespace {

// Records the virtual key and shift state of each key press it receives.
class TKeyProbe : public QWidget
{
public:
    QList<int> m_keys;
    QList<TShiftState> m_shifts;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        m_keys.append(VirtualKeyOf(event));
        m_shifts.append(ShiftStateOf(event->modifiers(), Qt::NoButton));
    }
};

} // namespace

class VirtualKeysTest : public QObject
{
    Q_OBJECT

private slots:
    void fromQtKey_data()
    {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<quint32>("scanCode");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("vk");
        const int none = Qt::NoModifier;
        const int shift = Qt::ShiftModifier;
        const int keypad = Qt::KeypadModifier;
        QTest::newRow("Shift+3 without scan code") << int(Qt::Key_NumberSign) << 0u << shift
                                                   << 0x33;
        QTest::newRow("Shift+3 by scan code") << int(Qt::Key_NumberSign) << 12u << shift << 0x33;
        QTest::newRow("digit row by position") << int(Qt::Key_Ampersand) << 10u << none << 0x31;
        QTest::newRow("Shift+minus") << int(Qt::Key_Underscore) << 0u << shift << VK_OEM_MINUS;
        QTest::newRow("Shift+equal") << int(Qt::Key_Plus) << 0u << shift << VK_OEM_PLUS;
        QTest::newRow("Shift+semicolon") << int(Qt::Key_Colon) << 0u << shift << VK_OEM_1;
        QTest::newRow("Shift+period") << int(Qt::Key_Greater) << 0u << shift << VK_OEM_PERIOD;
        QTest::newRow("Shift+slash") << int(Qt::Key_Question) << 0u << shift << VK_OEM_2;
        QTest::newRow("Shift+backquote") << int(Qt::Key_AsciiTilde) << 0u << shift << VK_OEM_3;
        QTest::newRow("Shift+[") << int(Qt::Key_BraceLeft) << 0u << shift << VK_OEM_4;
        QTest::newRow("Shift+backslash") << int(Qt::Key_Bar) << 0u << shift << VK_OEM_5;
        QTest::newRow("Shift+quote") << int(Qt::Key_QuoteDbl) << 0u << shift << VK_OEM_7;
        QTest::newRow("unshifted quote") << int(Qt::Key_Apostrophe) << 0u << none << VK_OEM_7;
        QTest::newRow("lower-case letter") << int('q') << 0u << none << 0x51;
        QTest::newRow("letter follows the layout") << int(Qt::Key_Z) << 29u << none << 0x5A;
        QTest::newRow("Cyrillic letter by position") << 0x0441 << 54u << none << 0x43;
        QTest::newRow("non-Latin symbol without scan code") << int(Qt::Key_Eacute) << 0u << none
                                                            << 0;
        QTest::newRow("F1") << int(Qt::Key_F1) << 67u << none << VK_F1;
        QTest::newRow("F11") << int(Qt::Key_F11) << 0u << none << 0x7A;
        QTest::newRow("Backtab is Tab") << int(Qt::Key_Backtab) << 23u << shift << VK_TAB;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << 104u << keypad << VK_RETURN;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0u << none << 27;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0u << none << VK_BACK;
        QTest::newRow("Space") << int(Qt::Key_Space) << 65u << none << VK_SPACE;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 0u << none << 46;
        QTest::newRow("PageUp") << int(Qt::Key_PageUp) << 0u << none << VK_PRIOR;
        QTest::newRow("Home") << int(Qt::Key_Home) << 0u << none << VK_HOME;
        QTest::newRow("Left") << int(Qt::Key_Left) << 0u << none << 37;
        QTest::newRow("Shift key") << int(Qt::Key_Shift) << 50u << shift << VK_SHIFT;
        QTest::newRow("Control key") << int(Qt::Key_Control) << 37u << none << VK_CONTROL;
        QTest::newRow("Alt key") << int(Qt::Key_Alt) << 64u << none << VK_MENU;
        QTest::newRow("keypad digit") << int(Qt::Key_5) << 84u << keypad << VK_NUMPAD0 + 5;
        QTest::newRow("keypad plus") << int(Qt::Key_Plus) << 86u << keypad << VK_ADD;
        QTest::newRow("keypad Home") << int(Qt::Key_Home) << 79u << keypad << VK_HOME;
        QTest::newRow("unknown key") << int(Qt::Key_unknown) << 0u << none << 0;
    }
    void fromQtKey()
    {
        QFETCH(int, qtKey);
        QFETCH(quint32, scanCode);
        QFETCH(int, modifiers);
        QFETCH(int, vk);
        QCOMPARE(VirtualKeyFromQt(qtKey, scanCode, Qt::KeyboardModifiers(modifiers)), vk);
    }

    void shiftedDigitsMapToTheirKey()
    {
        const int symbols[] = {Qt::Key_ParenRight, Qt::Key_Exclam, Qt::Key_At,
                               Qt::Key_NumberSign, Qt::Key_Dollar, Qt::Key_Percent,
                               Qt::Key_AsciiCircum, Qt::Key_Ampersand, Qt::Key_Asterisk,
                               Qt::Key_ParenLeft};
        for (int digit = 0; digit <= 9; ++digit) {
            QCOMPARE(VirtualKeyFromQt(symbols[digit], 0, Qt::ShiftModifier), 0x30 + digit);
            // The digit row's keycodes run 1..9 then 0.
            const quint32 scanCode = digit == 0 ? 19 : quint32(9 + digit);
            QCOMPARE(VirtualKeyFromQt(symbols[digit], scanCode, Qt::ShiftModifier), 0x30 + digit);
        }
    }

    // Keys whose character is not Latin take their code from their position alone.
    void mainBlockByPosition_data()
    {
        QTest::addColumn<quint32>("scanCode");
        QTest::addColumn<int>("vk");
        QTest::newRow("minus") << 20u << VK_OEM_MINUS;
        QTest::newRow("equal") << 21u << VK_OEM_PLUS;
        QTest::newRow("Q") << 24u << int('Q');
        QTest::newRow("[") << 34u << VK_OEM_4;
        QTest::newRow("A") << 38u << int('A');
        QTest::newRow(";") << 47u << VK_OEM_1;
        QTest::newRow("quote") << 48u << VK_OEM_7;
        QTest::newRow("backquote") << 49u << VK_OEM_3;
        QTest::newRow("backslash") << 51u << VK_OEM_5;
        QTest::newRow("Z") << 52u << int('Z');
        QTest::newRow("comma") << 59u << VK_OEM_COMMA;
        QTest::newRow("period") << 60u << VK_OEM_PERIOD;
        QTest::newRow("slash") << 61u << VK_OEM_2;
        QTest::newRow("extra key beside Shift") << 94u << VK_OEM_102;
    }
    void mainBlockByPosition()
    {
        QFETCH(quint32, scanCode);
        QFETCH(int, vk);
        QCOMPARE(VirtualKeyFromQt(0x0436, scanCode, Qt::NoModifier), vk); // a Cyrillic letter
    }

    // Goes through a widget's key handling as the framework's controls do.
    void keyEventsReachHandlersWithUnshiftedCodes()
    {
        TKeyProbe probe;
        QTest::keyClick(&probe, Qt::Key_NumberSign, Qt::ShiftModifier | Qt::ControlModifier);
        QTest::keyClick(&probe, 'a');
        QTest::keyClick(&probe, Qt::Key_F11);
        // The modifiers arrive first as keys of their own.
        QCOMPARE(probe.m_keys, (QList<int>{VK_SHIFT, VK_CONTROL, 0x33, 0x41, 0x7A}));
        QCOMPARE(probe.m_shifts,
                 (QList<TShiftState>{ssShift, ssShift | ssCtrl, ssShift | ssCtrl, 0, 0}));

        const QKeyEvent native(QEvent::KeyPress, Qt::Key_At, Qt::ShiftModifier, 11, 0x40, 0,
                               QStringLiteral("@"));
        QCOMPARE(VirtualKeyOf(&native), 0x32);
    }

    // Real keys from an X server: Qt reports '#' and '_' with a scan code, and the codes must
    // still be those of the keys 3 and minus.
    void realKeysUnderXvfb()
    {
        QZ_SKIP_WITHOUT_XVFB();
        QStringList lines;
        QVERIFY(RunUnderXvfb(QStringLiteral(VKPROBE_PATH),
                             {QStringLiteral("shift+3"), QStringLiteral("ctrl+shift+3"),
                              QStringLiteral("shift+minus"), QStringLiteral("shift+a"),
                              QStringLiteral("F11")},
                             QStringLiteral("640x480"), lines));
        QCOMPARE(lines, (QStringList{QStringLiteral("51 1"), QStringLiteral("51 5"),
                                     QStringLiteral("189 1"), QStringLiteral("65 1"),
                                     QStringLiteral("122 0")}));
    }

    void shiftStateAndKeyStateWord_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<quint32>("shift");
        QTest::addColumn<int>("word");
        QTest::newRow("nothing") << 0 << 0 << 0u << 0;
        QTest::newRow("Shift") << int(Qt::ShiftModifier) << 0 << ssShift << int(MK_SHIFT);
        QTest::newRow("Ctrl with left button")
            << int(Qt::ControlModifier) << int(Qt::LeftButton) << (ssCtrl | ssLeft) << 9;
        QTest::newRow("Alt is not in the key-state word")
            << int(Qt::AltModifier) << 0 << ssAlt << 0;
        QTest::newRow("right button") << 0 << int(Qt::RightButton) << ssRight << int(MK_RBUTTON);
        QTest::newRow("middle button") << 0 << int(Qt::MiddleButton) << ssMiddle << 16;
        QTest::newRow("everything")
            << int(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)
            << int(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton | Qt::BackButton)
            << quint32(0x3F) << 0x1F;
    }
    void shiftStateAndKeyStateWord()
    {
        QFETCH(int, modifiers);
        QFETCH(int, buttons);
        QFETCH(quint32, shift);
        QFETCH(int, word);
        const auto mods = Qt::KeyboardModifiers(modifiers);
        const auto btns = Qt::MouseButtons(buttons);
        QCOMPARE(ShiftStateOf(mods, btns), shift);
        QCOMPARE(KeyStateWordOf(mods, btns), quint16(word));
    }
};

QTEST_MAIN(VirtualKeysTest)
#include "tst_virtualkeys.moc"
