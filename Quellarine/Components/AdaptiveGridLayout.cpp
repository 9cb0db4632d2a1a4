#include "Quellarine/Components/AdaptiveGridLayout.h"

#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace quellarine {

namespace {

int itemHeight(QLayoutItem& item, int width)
{
    const int height = item.hasHeightForWidth() ? item.heightForWidth(width) : item.sizeHint().height();
    return std::max(height, item.minimumSize().height());
}

} // namespace

AdaptiveGridLayout::AdaptiveGridLayout(int minimumColumnWidth, int spacing, QWidget* parent)
    : QLayout(parent)
    , minimumColumnWidth_(minimumColumnWidth)
    , gap_(spacing)
{
    setContentsMargins(0, 0, 0, 0);
}

AdaptiveGridLayout::~AdaptiveGridLayout()
{
    while (QLayoutItem* item = takeAt(0)) {
        delete item;
    }
}

int AdaptiveGridLayout::columnsFor(int width, int minimumColumnWidth, int spacing)
{
    const int step = minimumColumnWidth + spacing;
    return step > 0 ? std::max(1, (width + spacing) / step) : 1;
}

int AdaptiveGridLayout::columnsFor(int width) const
{
    return columnsFor(width, columnMinimum(), gap_);
}

int AdaptiveGridLayout::columnMinimum() const
{
    // An item that cannot get narrower (a large number in large text) widens every column.
    int widest = minimumColumnWidth_;
    for (QLayoutItem* item : items_) {
        widest = std::max(widest, item->minimumSize().width());
    }
    return widest;
}

void AdaptiveGridLayout::setStretchesRows(bool stretches)
{
    if (stretchesRows_ != stretches) {
        stretchesRows_ = stretches;
        invalidate();
    }
}

void AdaptiveGridLayout::addItem(QLayoutItem* item)
{
    items_.append(item);
}

QLayoutItem* AdaptiveGridLayout::itemAt(int index) const
{
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem* AdaptiveGridLayout::takeAt(int index)
{
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

int AdaptiveGridLayout::count() const
{
    return static_cast<int>(items_.size());
}

Qt::Orientations AdaptiveGridLayout::expandingDirections() const
{
    return Qt::Horizontal;
}

int AdaptiveGridLayout::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    return arrange(QRect(0, 0, width - margins.left() - margins.right(), 0), false) + margins.top() + margins.bottom();
}

QSize AdaptiveGridLayout::sizeHint() const
{
    // Two columns at their narrowest, when there is more than one item.
    const int columns = std::min(2, std::max(1, count()));
    const int width = columns * columnMinimum() + (columns - 1) * gap_;
    const QMargins margins = contentsMargins();
    return QSize(width + margins.left() + margins.right(), heightForWidth(width + margins.left() + margins.right()));
}

QSize AdaptiveGridLayout::minimumSize() const
{
    int width = 0;
    for (QLayoutItem* item : items_) {
        width = std::max(width, item->minimumSize().width());
    }
    const QMargins margins = contentsMargins();
    return QSize(width + margins.left() + margins.right(), 0);
}

void AdaptiveGridLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    arrange(contentsRect(), true);
}

int AdaptiveGridLayout::arrange(const QRect& rect, bool apply) const
{
    QList<QLayoutItem*> shown;
    for (QLayoutItem* item : items_) {
        if (!item->isEmpty()) {
            shown.append(item);
        }
    }
    if (shown.isEmpty()) {
        return 0;
    }
    const int columns = columnsFor(rect.width());
    const int columnWidth = std::max(1, (rect.width() - (columns - 1) * gap_) / columns);
    const QWidget* owner = parentWidget();
    const Qt::LayoutDirection direction = owner != nullptr ? owner->layoutDirection() : Qt::LeftToRight;

    int top = rect.top();
    for (qsizetype first = 0; first < shown.size(); first += columns) {
        const qsizetype last = std::min<qsizetype>(first + columns, shown.size());
        int rowHeight = 0;
        for (qsizetype index = first; index < last; ++index) {
            rowHeight = std::max(rowHeight, itemHeight(*shown[index], columnWidth));
        }
        if (apply) {
            for (qsizetype index = first; index < last; ++index) {
                const int column = static_cast<int>(index - first);
                const int height = stretchesRows_ ? rowHeight : itemHeight(*shown[index], columnWidth);
                const QRect cell(rect.left() + column * (columnWidth + gap_), top + (rowHeight - height) / 2,
                                 columnWidth, height);
                shown[index]->setGeometry(QStyle::visualRect(direction, rect, cell));
            }
        }
        top += rowHeight + gap_;
    }
    return top - gap_ - rect.top();
}

} // namespace quellarine
