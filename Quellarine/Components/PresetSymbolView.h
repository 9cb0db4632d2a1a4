#pragma once

#include "Quellarine/Components/Style/DynamicColor.h"
#include "QuellarineKit/Pointer/FilterPreset.h"

#include <QWidget>

#include <optional>

namespace quellarine {

// The symbol of a preset as a view, drawn in its tint for the appearance in effect, or in its foreground colour
// when it has none.
class PresetSymbolView : public QWidget {
    Q_OBJECT

public:
    PresetSymbolView(FilterPreset::ID id, qreal scale, std::optional<DynamicColor> tint = std::nullopt,
                     QWidget* parent = nullptr);

    FilterPreset::ID id() const { return id_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FilterPreset::ID id_;
    qreal scale_;
    std::optional<DynamicColor> tint_;
};

} // namespace quellarine
