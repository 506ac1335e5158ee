#pragma once

// Types a script of key combinations ("Shift+Ctrl+3 Down x") at the focused widget, as the
// window system would deliver them: Shift with a digit arrives as the US layout's symbol
// ('#' for 3), the way Qt reports it under X11.

#include "ShortCuts.h"

#include <QApplication>
#include <QtTest>

inline Qt::Key QtKeyOfVirtualKey(int vk)
{
    switch (vk) {
    case VK_UP: return Qt::Key_Up;
    case VK_DOWN: return Qt::Key_Down;
    case VK_LEFT: return Qt::Key_Left;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_PRIOR: return Qt::Key_PageUp;
    case VK_NEXT: return Qt::Key_PageDown;
    case VK_HOME: return Qt::Key_Home;
    case VK_END: return Qt::Key_End;
    case VK_INSERT: return Qt::Key_Insert;
    case VK_DELETE: return Qt::Key_Delete;
    case VK_BACK: return Qt::Key_Backspace;
    case VK_RETURN: return Qt::Key_Return;
    case VK_TAB: return Qt::Key_Tab;
    case VK_ESCAPE: return Qt::Key_Escape;
    default:
        if (vk >= VK_F1 && vk <= VK_F12)
            return Qt::Key(Qt::Key_F1 + (vk - VK_F1));
        return Qt::Key(vk); // letters and digits share their codes
    }
}

inline void TypeKeys(const QString &script)
{
    static const char kShiftedDigits[] = ")!@#$%^&*(";
    for (const QString &word : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY2(target, "nothing has the focus");
        if (word.size() == 1 && word.at(0).isLower()) { // a character typed
            QTest::keyClick(target, word.at(0).toLatin1());
            continue;
        }
        const quint16 sc = TextToShortCut(word);
        QVERIFY2(sc, qPrintable(QStringLiteral("bad key ") + word));
        quint16 vk = 0;
        TShiftState shift = 0;
        ShortCutToKey(sc, vk, shift);
        Qt::KeyboardModifiers mods;
        if (shift & ssShift)
            mods |= Qt::ShiftModifier;
        if (shift & ssCtrl)
            mods |= Qt::ControlModifier;
        if (shift & ssAlt)
            mods |= Qt::AltModifier;
        Qt::Key key = QtKeyOfVirtualKey(vk);
        QString text;
        if ((shift & ssShift) && vk >= '0' && vk <= '9') {
            const char symbol = kShiftedDigits[vk - '0'];
            key = Qt::Key(symbol);
            text = QString(QLatin1Char(symbol));
        }
        QKeyEvent press(QEvent::KeyPress, key, mods, text);
        QKeyEvent release(QEvent::KeyRelease, key, mods, text);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
}
