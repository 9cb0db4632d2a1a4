#pragma once

#include <QString>
#include <QWidget>

class QVBoxLayout;

namespace quellarine {

class SymbolLabel;

// The card the research charts sit on: a faint rounded panel. For assistive technology it is one chart element
// whose name says what it shows and whose description says it in words; the texts and drawings inside are
// hidden behind it, and only its links stay reachable on their own.
class ChartCard : public QWidget {
    Q_OBJECT

public:
    static constexpr int padding = 16;
    static constexpr qreal cornerRadius = 16;
    static constexpr qreal fillOpacity = 0.045;

    explicit ChartCard(int spacing, QWidget* parent = nullptr);

    // The column the chart's parts go in, from the top.
    QVBoxLayout* column() const { return column_; }

    // Adds a part that only repeats what the description says.
    void addQuiet(QWidget* part);
    void describe(const QString& name, const QString& description);

    // The line that closes a chart with what it means for the user: a turning arrow in the accent colour before
    // a callout text that wraps.
    static SymbolLabel* conclusion(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVBoxLayout* column_;
};

} // namespace quellarine
