#pragma once

// Framework-internal: the rows of list boxes and combo box lists painted by the control that
// owns them, so that the owner-draw styles reach OnDrawItem and the standard style looks the
// same as theirs.

#include "StdCtrls.h"

#include <QStyledItemDelegate>

#include <functional>

class TItemPainter : public QStyledItemDelegate
{
public:
    using PaintFn = std::function<void(QPainter &, int, const QRect &, TOwnerDrawState)>;
    // Where the check box of a row over the given rectangle is; none without a function.
    using CheckRectFn = std::function<QRect(const QRect &)>;

    TItemPainter(PaintFn paint, CheckRectFn checkRect, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    // A click on a row's check box turns its check state on.
    bool editorEvent(QEvent *event, QAbstractItemModel *model,
                     const QStyleOptionViewItem &option, const QModelIndex &index) override;

private:
    PaintFn m_paint;
    CheckRectFn m_checkRect;
};

// The owner-draw state of a row as a view paints it.
TOwnerDrawState OwnerDrawStateOf(const QStyleOptionViewItem &option);

// Lends canvas the painter for one item: the control's font, and its colour or the highlight
// when the item is selected (grey text when disabled).
void PrepareItemCanvas(TCanvas *canvas, QPainter &painter, const TFont *font, TColor color,
                       TOwnerDrawState state);

// The standard drawing of an item: rect filled with the canvas's brush, then the text two
// pixels in, centred vertically. Tabs go to the next multiple of tabStop pixels from the
// text's start; with tabStop 0 they are not expanded.
void DrawItemText(TCanvas *canvas, const QRect &rect, const QString &text, int tabStop);

// The colours of a list's item area: background in its base, the font colour in its text.
void ApplyListColors(QWidget *widget, TColor background, TColor text);

// The average width of a font's letters in pixels, as dialog layouts measure it; a
// horizontal dialog unit is a quarter of it.
int DialogBaseUnitX(const TFont *font);
