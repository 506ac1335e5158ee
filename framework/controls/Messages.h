#pragma once

// Window messages in the classic numbering. A message is one user input as the window system
// delivered it: the widget it is meant for, its number, the key-state word or key code, the point
// in the target's client coordinates and the point on the screen.

#include <QPoint>
#include <QPointer>
#include <QWidget>

enum : quint32 {
    WM_KEYDOWN = 0x100,
    WM_KEYUP = 0x101,
    WM_CHAR = 0x102,
    WM_SYSKEYDOWN = 0x104,
    WM_SYSKEYUP = 0x105,
    WM_MOUSEMOVE = 0x200,
    WM_LBUTTONDOWN = 0x201,
    WM_LBUTTONUP = 0x202,
    WM_LBUTTONDBLCLK = 0x203,
    WM_RBUTTONDOWN = 0x204,
    WM_RBUTTONUP = 0x205,
    WM_RBUTTONDBLCLK = 0x206,
    WM_MBUTTONDOWN = 0x207,
    WM_MBUTTONUP = 0x208,
    WM_MBUTTONDBLCLK = 0x209,
    WM_MOUSEWHEEL = 0x20A,
};

// Sizing kinds of a window-size notification.
enum : int { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2 };

struct TMsg
{
    QPointer<QWidget> hwnd; // the widget the input is for; not owned
    quint32 message = 0;
    quint64 wParam = 0;     // mouse: key-state word; keys: virtual key code
    qint64 lParam = 0;      // mouse: client point, x in the low and y in the high 16 bits
    QPoint pt;              // screen point
};

inline qint64 MakeLParam(int x, int y)
{
    return qint64(quint32(quint16(qint16(x))) | (quint32(quint16(qint16(y))) << 16));
}
inline QPoint PointFromLParam(qint64 lParam)
{
    return QPoint(qint16(quint16(lParam & 0xFFFF)), qint16(quint16((lParam >> 16) & 0xFFFF)));
}
inline bool IsMouseMessage(quint32 m) { return m >= WM_MOUSEMOVE && m <= WM_MOUSEWHEEL; }
inline bool IsKeyMessage(quint32 m) { return m >= WM_KEYDOWN && m <= WM_SYSKEYUP; }
