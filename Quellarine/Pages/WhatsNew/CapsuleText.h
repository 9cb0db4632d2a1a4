#pragma once

#include "Quellarine/Components/Style/DynamicColor.h"

#include <QString>
#include <QWidget>

#include <optional>

namespace quellarine {

// A short text on a capsule: tinted (the text in a colour on a light wash of it) or filled (white text on the
// colour). Without a colour it is drawn in the secondary text colour.
class CapsuleText : public QWidget {
    Q_OBJECT

public:
    enum class Style { tinted, filled };

    static constexpr int horizontalPadding = 8;
    static constexpr int verticalPadding = 3;
    static constexpr qreal washOpacity = 0.14;

    // `text` is shown as it is.
    CapsuleText(const QString& text, const QFont& font, std::optional<DynamicColor> color, Style style,
                QWidget* parent = nullptr);

    QString text() const { return text_; }
    // The colours as now drawn.
    QColor textColor() const;
    QColor fillColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color() const;

    QString text_;
    std::optional<DynamicColor> color_;
    Style style_;
};

} // namespace quellarine
