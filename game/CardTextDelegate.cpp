#include "game/CardTextDelegate.h"

#include <QApplication>
#include <QPainter>

namespace {

bool HasRedSuit(const QString& word)
{
    return word.contains(QChar(0x2665)) || word.contains(QChar(0x2666));
}

} // namespace

void TCardTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const bool selected = item.state.testFlag(QStyle::State_Selected);
    const QColor plain = item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    // A lighter red keeps its contrast on the selection colour.
    const QColor red = selected ? QColor(255, 176, 176) : QColor(192, 0, 0);
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget).adjusted(3, 0, -3, 0);
    painter->save();
    painter->setFont(item.font);
    const QFontMetrics metrics(item.font);
    int left = area.left();
    for (const QString& word : text.split(QLatin1Char(' '))) {
        painter->setPen(HasRedSuit(word) ? red : plain);
        painter->drawText(QRect(left, area.top(), area.right() - left, area.height()), Qt::AlignLeft | Qt::AlignVCenter,
                          word);
        left += metrics.horizontalAdvance(word + QLatin1Char(' '));
    }
    painter->restore();
}
