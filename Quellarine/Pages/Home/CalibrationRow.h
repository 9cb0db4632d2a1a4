#pragma once

#include <QWidget>

class QLabel;

namespace quellarine {

class AppModel;
class ProminentButton;

// The row that offers the one-minute calibration test outside its own page: what the test does, and a button
// that opens the calibration page. Wide enough, the button stands at the trailing end; narrower than
// `narrowBelow`, it moves under the text.
class CalibrationRow : public QWidget {
    Q_OBJECT

public:
    static constexpr int spacing = 14;
    static constexpr int tileSide = 44;
    static constexpr qreal tileRadius = 11;
    static constexpr int textSpacing = 6;
    static constexpr int buttonGap = 8;
    static constexpr int narrowBelow = 480;
    // The width the row assumes until it has been laid out.
    static constexpr int initialWidth = 600;

    explicit CalibrationRow(AppModel& model, QWidget* parent = nullptr);

    // The row's last measured width.
    int rowWidth() const { return width_; }
    // Whether the button stands under the text.
    bool buttonUnderText() const { return width_ < narrowBelow; }

    QLabel& title() const { return *title_; }
    QLabel& offer() const { return *offer_; }
    ProminentButton& button() const { return *button_; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Where the test's symbol is drawn, white on the warm colour's gradient.
    QRect tileRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Places the parts for a width; returns the height they take.
    int arrange(int width, bool apply) const;

    AppModel& model_;
    int width_ = initialWidth;
    QLabel* title_;
    QLabel* offer_;
    ProminentButton* button_;
};

} // namespace quellarine
