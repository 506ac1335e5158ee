#include "FocusOutline.h"

#include "Controls.h"

#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QWidget>

namespace {

// A child widget laid over the whole client area, above every other child; it takes no input
// and paints only the outlines. Made with the first outline, it stays with the client.
class OutlineOverlay : public QWidget
{
public:
    explicit OutlineOverlay(QWidget *client) : QWidget(client)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setObjectName(QStringLiteral("focusOutlineOverlay"));
        client->installEventFilter(this);
        FitToClient();
    }

    QList<QRect> Outlines;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        // Difference with white inverts what lies beneath, so the outline shows on any colour.
        painter.setCompositionMode(QPainter::CompositionMode_Difference);
        QPen pen(Qt::white);
        pen.setWidth(0);
        pen.setDashPattern({1, 1});
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        for (const QRect &r : Outlines)
            painter.drawRect(r.adjusted(0, 0, -1, -1));
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parentWidget()) {
            if (event->type() == QEvent::Resize)
                FitToClient();
            else if (event->type() == QEvent::ChildAdded)
                raise(); // stays above controls added while the outline shows
        }
        return false;
    }

private:
    void FitToClient()
    {
        setGeometry(parentWidget()->rect());
        raise();
    }
};

OutlineOverlay *OverlayOf(QWidget *client)
{
    return client ? client->findChild<OutlineOverlay *>(QStringLiteral("focusOutlineOverlay"),
                                                        Qt::FindDirectChildrenOnly)
                  : nullptr;
}

} // namespace

void DrawFocusOutline(TWinControl *parent, const QRect &rect)
{
    if (!parent || rect.isEmpty())
        return;
    QWidget *client = parent->ClientWidget();
    if (!client)
        return;
    OutlineOverlay *overlay = OverlayOf(client);
    if (!overlay) {
        overlay = new OutlineOverlay(client); // a Qt child: goes with the client widget
        overlay->show();
    }
    if (!overlay->Outlines.removeOne(rect))
        overlay->Outlines.append(rect);
    // The overlay stays when its last outline goes: taking a transparent window away, or
    // bringing one, paints everything beneath it again, and a drag takes its outline away
    // and draws the next one at every move of the mouse.
    overlay->raise();
    overlay->update(OutlinePixels(rect));
}

QList<QRect> FocusOutlines(TWinControl *parent)
{
    OutlineOverlay *overlay = parent ? OverlayOf(parent->ClientWidget()) : nullptr;
    return overlay ? overlay->Outlines : QList<QRect>();
}

QRegion OutlinePixels(const QRect &rect)
{
    return QRegion(rect).subtracted(QRegion(rect.adjusted(1, 1, -1, -1)));
}
