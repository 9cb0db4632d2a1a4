#pragma once

#include <QWidget>

namespace quellarine {

// What looks at the user's own hand rather than at groups of people: the calibration test and the AI's
// explanation, each an icon tile beside a title and a few lines, on a card tinted with the accent colour.
class YourHand : public QWidget {
    Q_OBJECT

public:
    static constexpr int padding = 16;
    static constexpr qreal cornerRadius = 16;
    static constexpr int tileSide = 38;
    static constexpr qreal tileRadius = 10;

    explicit YourHand(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* item(const QString& symbol, const QString& title, const QString& body);
};

} // namespace quellarine
