// The item painter of list boxes and combo box lists, and the standard item drawing.

#include "ItemPainter.h"

#include "SafeCall.h"

#include <QMouseEvent>
#include <QPainter>

TItemPainter::TItemPainter(PaintFn paint, CheckRectFn checkRect, QObject *parent)
    : QStyledItemDelegate(parent), m_paint(std::move(paint)), m_checkRect(std::move(checkRect))
{
}

void TItemPainter::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    painter->save();
    SafeCall([&] { m_paint(*painter, index.row(), option.rect, OwnerDrawStateOf(option)); });
    painter->restore();
}

bool TItemPainter::editorEvent(QEvent *event, QAbstractItemModel *model,
                               const QStyleOptionViewItem &option, const QModelIndex &index)
{
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
                       || type == QEvent::MouseButtonDblClick;
    if (!mouse || !m_checkRect)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    const Qt::ItemFlags flags = model->flags(index);
    const QVariant value = index.data(Qt::CheckStateRole);
    if (!(flags & Qt::ItemIsUserCheckable) || !(flags & Qt::ItemIsEnabled)
        || !(option.state & QStyle::State_Enabled) || !value.isValid())
        return false;
    auto *me = static_cast<QMouseEvent *>(event);
    if (me->button() != Qt::LeftButton
        || !m_checkRect(option.rect).contains(me->position().toPoint()))
        return false;
    // The press and a double click on the box do nothing else; the release turns it.
    if (type != QEvent::MouseButtonRelease)
        return true;
    const auto state = static_cast<Qt::CheckState>(value.toInt());
    return model->setData(index, state == Qt::Unchecked ? Qt::Checked : Qt::Unchecked,
                          Qt::CheckStateRole);
}

TOwnerDrawState OwnerDrawStateOf(const QStyleOptionViewItem &option)
{
    TOwnerDrawState state = 0;
    if (option.state & QStyle::State_Selected)
        state |= 1u << odSelected;
    if (option.state & QStyle::State_HasFocus)
        state |= 1u << odFocused;
    if (!(option.state & QStyle::State_Enabled))
        state |= (1u << odDisabled) | (1u << odGrayed);
    return state;
}

void PrepareItemCanvas(TCanvas *canvas, QPainter &painter, const TFont *font, TColor color,
                       TOwnerDrawState state)
{
    canvas->SetPainter(&painter);
    canvas->Font()->Assign(const_cast<TFont *>(font));
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    if (state & (1u << odSelected)) {
        canvas->Brush()->SetColor(clHighlight);
        canvas->Font()->SetColor(clHighlightText);
    }
    if (state & (1u << odDisabled))
        canvas->Font()->SetColor(clGrayText);
}

void DrawItemText(TCanvas *canvas, const QRect &rect, const QString &text, int tabStop)
{
    canvas->FillRect(rect);
    if (text.isEmpty())
        return;
    const int start = rect.left() + 2;
    const int y = rect.top() + (rect.height() - canvas->TextHeight(text)) / 2;
    const QStringList parts = tabStop > 0 ? text.split(QLatin1Char('\t')) : QStringList{text};
    const TBrushStyle brushStyle = canvas->Brush()->Style();
    canvas->Brush()->SetStyle(bsClear);
    int x = start;
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0)
            x = start + ((x - start) / tabStop + 1) * tabStop;
        canvas->TextRect(rect, x, y, parts.at(i));
        x += canvas->TextWidth(parts.at(i));
    }
    canvas->Brush()->SetStyle(brushStyle);
}

int DialogBaseUnitX(const TFont *font)
{
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFontMetrics metrics(font->ToQFont());
    return (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
}

void ApplyListColors(QWidget *widget, TColor background, TColor text)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Base, ColorToQColor(background));
    pal.setColor(QPalette::Text, ColorToQColor(text));
    widget->setPalette(pal);
}
