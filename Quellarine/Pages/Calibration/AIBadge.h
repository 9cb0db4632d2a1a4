#pragma once

#include <QWidget>

namespace quellarine {

// The small "AI-assisted" capsule: white on a coloured background, the accent colour elsewhere.
class AIBadge final : public QWidget {
    Q_OBJECT

public:
    explicit AIBadge(bool onColor, QWidget* parent = nullptr);

    bool onColor() const { return onColor_; }
    QString text() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool onColor_;
};

} // namespace quellarine
