#pragma once

#include <QWidget>

namespace quellarine {

// A block of a view whose whole rectangle, its empty parts included, answers one click: a press and a release
// of the left button inside it. The widgets it holds stay visible but pass their clicks to it.
class TapArea : public QWidget {
    Q_OBJECT

public:
    explicit TapArea(QWidget* parent = nullptr);

    // Lets clicks on `child` (and everything in it) reach the area.
    void passClicks(QWidget& child);

signals:
    void tapped();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace quellarine
