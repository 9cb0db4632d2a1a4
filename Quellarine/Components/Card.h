#pragma once

#include "Quellarine/Components/Style/DynamicColor.h"

#include <QWidget>

#include <optional>

namespace quellarine {

// A rounded container for a block of a page: neutral, or tinted with a colour (an orange card warns).
class Card : public QWidget {
    Q_OBJECT

public:
    static constexpr qreal cornerRadius = 12;
    static constexpr int padding = 14;

    // Takes ownership of `content`, which fills the card's width inside the padding.
    explicit Card(QWidget* content, std::optional<DynamicColor> tint = std::nullopt, QWidget* parent = nullptr);

    QWidget* content() const { return content_; }
    const std::optional<DynamicColor>& tint() const { return tint_; }
    void setTint(std::optional<DynamicColor> tint);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* content_;
    std::optional<DynamicColor> tint_;
};

} // namespace quellarine
