#pragma once

#include "Quellarine/Components/Style/DynamicColor.h"

#include <QWidget>

#include <optional>

namespace quellarine {

// A block of the calibration page on a softly filled rounded rectangle: the primary text colour at a low
// opacity, or a brand colour at one. Its layout's margins are the padding.
class FilledPanel : public QWidget {
    Q_OBJECT

public:
    FilledPanel(qreal cornerRadius, qreal opacity, std::optional<DynamicColor> tint = std::nullopt,
                QWidget* parent = nullptr);

    QColor fillColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qreal cornerRadius_;
    qreal opacity_;
    std::optional<DynamicColor> tint_;
};

} // namespace quellarine
