#pragma once

#include "Quellarine/Components/Style/DynamicColor.h"

#include <QFont>
#include <QString>
#include <QWidget>

#include <optional>

class QLabel;

namespace quellarine {

// A line of text with a symbol before it, the symbol centred on the first line. The text wraps onto as many
// lines as it needs. Text and symbol are drawn in one colour: a brand colour, resolved for the appearance in
// effect so it follows light and dark live, or the primary text colour when none is given; the symbol may
// have a colour of its own instead. Without a symbol it is a plain line of text in that colour. Labels stacked
// in a list can give their symbols a column of one width, so their texts line up.
class SymbolLabel : public QWidget {
    Q_OBJECT

public:
    static constexpr int symbolSpacing = 6;

    SymbolLabel(const QString& text, const QString& symbol, const QFont& font,
                std::optional<DynamicColor> color = std::nullopt, QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    const QString& symbol() const { return symbol_; }
    void setSymbol(const QString& symbol);
    const std::optional<DynamicColor>& color() const { return color_; }
    void setColor(std::optional<DynamicColor> color);
    // The symbol's own colour; none draws it in the text's colour.
    const std::optional<DynamicColor>& symbolColor() const { return symbolColor_; }
    void setSymbolColor(std::optional<DynamicColor> color);
    // The width of the column the symbol is centred in; 0 makes it as wide as the symbol.
    int symbolColumn() const;
    void setSymbolColumn(int width);

    // The colour the text is drawn in now, and the symbol unless it has its own.
    QColor resolvedColor() const;
    QColor resolvedSymbolColor() const;
    QLabel* label() const { return label_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int symbolSide() const;
    void applyMargins();
    void applyColor();

    QLabel* label_;
    QString symbol_;
    std::optional<DynamicColor> color_;
    std::optional<DynamicColor> symbolColor_;
    int symbolColumn_ = 0;
};

} // namespace quellarine
