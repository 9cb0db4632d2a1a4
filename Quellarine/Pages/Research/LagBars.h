#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include <vector>

namespace quellarine {

class Growth;

// The rows of the delay chart: for each added delay, its value, a bar as long as the time it took to reach a
// target, and that time. The bars are drawn at the growth's progress: from a fiftieth of their length to all
// of it. The Balanced preset's delay gets the brand gradient and its name; shorter delays are faint, longer
// ones warm.
class LagBars : public QWidget {
    Q_OBJECT

public:
    struct Row {
        int lag;     // milliseconds added
        double time; // milliseconds to reach a target
    };

    // The longest time of the data: the bars' common scale.
    static constexpr double longestTime = 1493;
    static constexpr int balancedLag = 25;
    static constexpr double startingShare = 0.02;
    static constexpr int barHeight = 22;
    static constexpr qreal barRadius = 6;
    static constexpr int rowSpacing = 12;
    static constexpr int columnSpacing = 10;
    static constexpr int lagColumn = 64;
    static constexpr int timeColumn = 70;
    static constexpr int balancedInset = 8;

    LagBars(std::vector<Row> rows, const Growth& growth, QWidget* parent = nullptr);

    const std::vector<Row>& rows() const { return rows_; }

    // The share of its full length a bar has at this progress of the growth.
    static double share(double progress);
    // A bar's length in a bar column `width` wide.
    static double barLength(double time, double width, double share);

    // An integer in the digits of the user's locale, without group separators: "1059", "١٠٥٩".
    static QString wholeNumber(long long value);
    // "N ms", in the user's language.
    static QString milliseconds(long long value);

    // The columns and the bars as drawn: at least their standard sizes, larger when the text needs it.
    int drawnLagColumn() const;
    int drawnTimeColumn() const;
    int drawnBarHeight() const;
    int rowHeight() const;
    // Where the bar of row `index` lies, in the widget, as now drawn.
    QRectF barRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QFont balancedFont() const;

    std::vector<Row> rows_;
    const Growth& growth_;
};

} // namespace quellarine
