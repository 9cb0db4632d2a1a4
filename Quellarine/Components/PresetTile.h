#pragma once

#include "Quellarine/Components/DrawnButton.h"
#include "QuellarineKit/Pointer/FilterPreset.h"

#include <optional>

class QGraphicsDropShadowEffect;

namespace quellarine {

// One preset as a button: its symbol over its title. A selected tile is filled with the brand gradient while
// smoothing works, and only tinted and outlined in the accent colour while it is off.
class PresetTile : public DrawnButton {
    Q_OBJECT

public:
    PresetTile(FilterPreset::ID id, bool large, QWidget* parent = nullptr);

    FilterPreset::ID id() const { return id_; }
    bool selected() const { return selected_; }
    bool active() const { return active_; }
    bool large() const { return large_; }
    bool hovering() const { return hovering_; }

    void setSelected(bool selected);
    void setActive(bool active);

    // The colour the symbol and the title are drawn in.
    QColor foreground() const;

    struct Look {
        enum class Fill { gradient, accentTint, controlBackground };
        Fill fill;
        QColor fillColor; // the fill when it is not the gradient
        QColor border;    // stroked inside the shape
        qreal borderWidth;
        std::optional<QColor> shadow;
        qreal shadowRadius = 0;
        QPointF shadowOffset;
    };
    // The tile's shape, fill, border and shadow in its current state and appearance.
    Look look() const;

    qreal cornerRadius() const { return large_ ? 14 : 12; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setHovering(bool hovering);
    void refreshLook();
    QFont titleFont(qreal factor) const;

    FilterPreset::ID id_;
    bool selected_ = false;
    bool active_ = false;
    bool large_;
    bool hovering_ = false;
    QGraphicsDropShadowEffect* shadow_;
};

} // namespace quellarine
