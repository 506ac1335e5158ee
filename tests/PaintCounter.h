#pragma once

// Counts the paint events a widget receives: tests of what repaints, and how often.

#include <QEvent>
#include <QObject>
#include <QWidget>

class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int Count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        Count += event->type() == QEvent::Paint;
        return false;
    }
};
