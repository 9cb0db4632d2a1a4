#pragma once

#include <QLayout>
#include <QList>

namespace quellarine {

// A grid that fits as many columns as its width allows, each at least `minimumColumnWidth` wide (or as wide as
// its narrowest-possible widest item) with no maximum: the columns share the width equally, items fill their column's
// width and take their own height, centred in their row, or, when rows stretch, the height of the tallest item of their
// row.
class AdaptiveGridLayout : public QLayout {
    Q_OBJECT

public:
    AdaptiveGridLayout(int minimumColumnWidth, int spacing, QWidget* parent = nullptr);
    ~AdaptiveGridLayout() override;

    // How many columns fit in `width`: at least one.
    static int columnsFor(int width, int minimumColumnWidth, int spacing);
    int columnsFor(int width) const;
    int columnCount() const { return columnsFor(contentsRect().width()); }

    void setStretchesRows(bool stretches);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Lays the items out in `rect`; moves them only when `apply`. Returns the height used.
    int arrange(const QRect& rect, bool apply) const;
    int columnMinimum() const;

    int minimumColumnWidth_;
    int gap_;
    bool stretchesRows_ = false;
    QList<QLayoutItem*> items_;
};

} // namespace quellarine
