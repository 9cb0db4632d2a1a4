#pragma once

#include "QuellarineKit/Pointer/FilterPreset.h"

#include "Quellarine/Components/DrawnButton.h"

class QGraphicsDropShadowEffect;
class QLabel;

namespace quellarine {

// A preset as a card of the home page: its symbol on a tile, its title and one-line summary, and a check mark
// while it is the preset in force. The tile is white on the brand gradient while the preset is in force and
// smoothing works, otherwise accent on a faint accent ground.
class PresetCard : public DrawnButton {
    Q_OBJECT

public:
    static constexpr int padding = 14;
    static constexpr int spacing = 14;
    static constexpr int minimumHeight = 92;
    static constexpr int tileSide = 44;
    static constexpr qreal tileRadius = 11;
    static constexpr qreal cornerRadius = 14;
    static constexpr qreal symbolScale = 1.2;

    explicit PresetCard(FilterPreset::ID id, QWidget* parent = nullptr);

    FilterPreset::ID id() const { return id_; }
    bool selected() const { return selected_; }
    bool active() const { return active_; }
    bool hovering() const { return hovering_; }
    void setSelected(bool selected);
    void setActive(bool active);

    // Whether the icon tile is filled with the brand gradient (and the symbol white) rather than tinted.
    bool tileFilled() const { return selected_ && active_; }
    bool showsCheckMark() const { return selected_; }
    QColor border() const;
    qreal borderWidth() const { return selected_ ? 1.5 : 1.0; }

    QLabel& titleLabel() const { return *title_; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    FilterPreset::ID id_;
    bool selected_ = false;
    bool active_ = false;
    bool hovering_ = false;
    QWidget* tile_;
    QLabel* title_;
    QLabel* summary_;
    QWidget* check_;
};

} // namespace quellarine
