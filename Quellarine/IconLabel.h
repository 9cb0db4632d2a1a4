#pragma once

#include "Quellarine/DynamicColor.h"

#include <QFont>
#include <QString>
#include <QWidget>

class QLabel;

namespace quellarine {

// A line of text with a symbol before it: the symbol in its own colour, centred on the first line of the text,
// in a column of fixed width (or just its own width), and the text in the primary colour, wrapping onto as many
// lines as it needs.
class IconLabel : public QWidget {
    Q_OBJECT

public:
    static constexpr int spacing = 6;

    // `text` is already localised. An icon column of 0 makes the column as wide as the symbol.
    IconLabel(const QString& symbol, const QString& text, DynamicColor symbolColor, int iconColumn = 0,
              const QFont& font = defaultFont(), QWidget* parent = nullptr);

    static QFont defaultFont();

    const QString& symbol() const { return symbol_; }
    QString text() const;
    const DynamicColor& symbolColor() const { return symbolColor_; }
    int iconColumn() const;
    QLabel& label() const { return *label_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int symbolSide() const;

    QString symbol_;
    DynamicColor symbolColor_;
    QLabel* label_;
    int iconColumn_;
};

} // namespace quellarine
