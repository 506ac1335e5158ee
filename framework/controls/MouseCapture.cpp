#include "MouseCapture.h"

#include "ControlWidget.h"
#include "Controls.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

void SetCaptureControl(TControl *control)
{
    if (control && GetCaptureControl() == control)
        return;
    ReleaseCapture();
    if (!control)
        return;
    QWidget *widget = control->Handle();
    if (widget && widget->isVisible())
        widget->grabMouse();
}

TControl *GetCaptureControl()
{
    QWidget *grabber = QWidget::mouseGrabber();
    return grabber ? FindControl(grabber) : nullptr;
}

void ReleaseCapture()
{
    QWidget *grabber = QWidget::mouseGrabber();
    if (!grabber)
        return;
    grabber->releaseMouse();
    // Tells the control that lost the capture, so that a drag it ran can end cleanly.
    QEvent lost(QEvent::UngrabMouse);
    QCoreApplication::sendEvent(grabber, &lost);
}
