#pragma once

#include "Quellarine/Components/Style/DynamicColor.h"

#include <QString>
#include <QWidget>

namespace quellarine {

// A capsule label: a symbol and a short text in one colour, on a light wash of that colour.
class Pill : public QWidget {
    Q_OBJECT

public:
    // The space around the symbol and text, and how strongly the capsule is filled with the colour.
    struct Look {
        int horizontalPadding = 10;
        int verticalPadding = 4;
        qreal washOpacity = 0.12;
    };

    // `text` is shown unchanged: callers pass text that is already localised.
    Pill(const QString& text, const QString& symbol, DynamicColor color, QWidget* parent = nullptr);
    Pill(const QString& text, const QString& symbol, DynamicColor color, Look look, QWidget* parent = nullptr);

    QString text() const { return text_; }
    QString symbol() const { return symbol_; }
    DynamicColor color() const { return color_; }
    const Look& look() const { return look_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString text_;
    QString symbol_;
    DynamicColor color_;
    Look look_;
};

} // namespace quellarine
