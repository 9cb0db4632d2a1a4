#pragma once

#include "Quellarine/Desktop/DynamicColor.h"
#include "Quellarine/Model/PresetTexts.h"

#include "QuellarineKit/Pointer/FilterPreset.h"

#include "Quellarine/Components/DrawnButton.h"
#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QGraphicsDropShadowEffect;
class QVariantAnimation;

namespace quellarine {

class AppModel;
class ToggleSwitch;

// Choosing a preset, from a tile or a card: always stores the choice (also when it is the current one, so the
// setting is written and the tap gets the parameters again), and switches smoothing on when the user has it off
// and the permission is there. Without the permission only the preset changes.
void choosePreset(AppModel& model, FilterPreset::ID id);

// The strength symbol of the four steady presets: four bars rising from left to right, the first `level` of
// them solid and the rest faint. Drawn in the widget's foreground colour.
class StrengthBars : public QWidget {
    Q_OBJECT

public:
    static constexpr int barCount = 4;
    static constexpr qreal faintOpacity = 0.25;

    StrengthBars(int level, qreal scale, QWidget* parent = nullptr);

    int level() const { return level_; }
    qreal scale() const { return scale_; }

    // The bars' size at a scale: 4 bars 4.5 wide and 2.5 apart, the tallest 19 high.
    static QSizeF size(qreal scale);
    // Bar `index` (1 to 4), placed in a box of `size(scale)` at the origin, bottoms aligned.
    static QRectF barRect(int index, qreal scale);
    // Paints the bars centred in `rect`.
    static void paint(QPainter& painter, const QRectF& rect, int level, qreal scale, const QColor& color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int level_;
    qreal scale_;
};

// A preset's symbol: strength bars for the four steady presets, a named symbol for the others.
struct PresetSymbol {
    // The strength level (1 to 4) of a steady preset, else none.
    std::optional<int> bars;
    // The named symbol of the other presets, else empty.
    QString symbol;
    // The text size the named symbol is drawn beside, before scaling.
    qreal fontSize = 0;

    // The natural size of the symbol at a scale.
    QSizeF size(qreal scale) const;
    // Paints the symbol centred in `rect`, in `color`.
    void paint(QPainter& painter, const QRectF& rect, qreal scale, const QColor& color) const;

    bool operator==(const PresetSymbol&) const = default;
};

// The symbol of a preset. Symbols carry no colour of their own: they take the colour of where they are drawn.
PresetSymbol presetSymbol(FilterPreset::ID id);

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

// A small heading of the menu-bar window: the text upper-cased, small, semibold and secondary.
class SectionTitle : public QLabel {
    Q_OBJECT

public:
    // `text` is already localised.
    explicit SectionTitle(const QString& text, QWidget* parent = nullptr);
};

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

// The preset chooser of the menu-bar window: the four steady presets, the three for special cases, the
// personal preset while the user has one, and the summary of the preset in force.
class PresetPicker : public QWidget {
    Q_OBJECT

public:
    PresetPicker(AppModel& model, bool large, QWidget* parent = nullptr);

    bool large() const { return large_; }
    // Every tile, in the order shown; the personal tile is last and may be hidden.
    const std::vector<PresetTile*>& tiles() const { return tiles_; }
    PresetTile* tile(FilterPreset::ID id) const;
    // Whether the "Made for your hand" group is shown.
    bool showsPersonal() const;
    QString summary() const;

private:
    void refresh();
    PresetTile* addTile(FilterPreset::ID id);

    AppModel& model_;
    bool large_;
    std::vector<PresetTile*> tiles_;
    QWidget* personalGroup_;
    QLabel* summary_;
};

// The click-guard switch with its name and explanation. The whole text area flips the guard like the switch
// does; to assistive technology only the switch is there, named "Click guard".
class ClickGuardRow : public QWidget {
    Q_OBJECT

public:
    ClickGuardRow(AppModel& model, bool large, QWidget* parent = nullptr);

    bool large() const { return large_; }
    ToggleSwitch& toggle() const { return *switch_; }
    // The symbol, title and explanation, which respond to a click as one area.
    QWidget& tapArea() const { return *tapArea_; }

private:
    AppModel& model_;
    bool large_;
    QWidget* tapArea_;
    ToggleSwitch* switch_;
};

} // namespace quellarine
