#pragma once

// The widgets behind controls. TControlWidget is the plain widget of controls that paint
// themselves; the widget bridge sees the events of every control's widget, whatever its class,
// and turns them into the framework's calls.

#include <QObject>
#include <QWidget>

class TControl;

class TControlWidget : public QWidget
{
public:
    TControlWidget(TControl *control, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    // The control has had the mouse input (through the bridge): it goes no further, so the
    // parent control never takes a click on its child for its own.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    TControl *m_control; // not owned: the control owns this widget
};

namespace WidgetBridge {
// Ties widget to control: the control is found from the widget, and the widget's input, paint,
// move and resize reach the control.
void Attach(QWidget *widget, TControl *control);
void Detach(QWidget *widget);
TControl *ControlOf(const QWidget *widget);
} // namespace WidgetBridge
