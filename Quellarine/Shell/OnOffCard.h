#pragma once

#include "Quellarine/Shell/SoftShadow.h"

#include <QWidget>

namespace quellarine {

class AppModel;
class SpringAnimation;
class StatusDot;
class TapArea;
class ToggleSwitch;

// The card at the top of the main window's sidebar footer: whether smoothing really works ("On" or "Off",
// with the status dot and the active preset's name) and the switch for the user's wish. While smoothing
// works it stands white on the brand gradient with a soft green shadow. A click anywhere on its left part
// flips the wish as the switch does, but only while the permission is there.
class OnOffCard : public QWidget {
    Q_OBJECT

public:
    static constexpr int padding = 14;
    static constexpr int spacing = 8;
    static constexpr qreal cornerRadius = 14;
    static constexpr qreal shadowBlur = 8;
    static constexpr QPointF shadowOffset{0, 3};

    explicit OnOffCard(AppModel& model, QWidget* parent = nullptr);

    StatusDot& statusDot() const { return *dot_; }
    ToggleSwitch& toggle() const { return *switch_; }
    TapArea& tapArea() const { return *tapArea_; }
    QString stateText() const;
    QString presetText() const;

    // How far the card has turned to its "on" look: 0 off, 1 on (between while it animates).
    qreal onness() const;

    // The card's shadow, painted by whatever lies beneath it, since it reaches beyond the card.
    void paintShadow(QPainter& painter, const QRectF& card);

signals:
    // The shadow's look changed; whoever paints it repaints.
    void shadowChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void tapped();
    void refresh();
    void applyMargins();

    AppModel& model_;
    StatusDot* dot_;
    TapArea* tapArea_;
    QWidget* texts_;
    ToggleSwitch* switch_;
    SpringAnimation* look_;
    SoftShadow shadow_;
};

} // namespace quellarine
