#pragma once

#include <QStyledItemDelegate>

// Draws a cell's cards as the card corners show them: hearts and diamonds
// in red, clubs and spades in the text colour. The cell's text stays plain.
class TCardTextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
