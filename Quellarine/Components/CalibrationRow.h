#pragma once

#include "QuellarineKit/Calibration/CalibrationResult.h"

#include <QWidget>

class QLabel;

namespace quellarine {

class AppModel;
class ProminentButton;
class SymbolLabel;

// The row that offers the one-minute calibration test outside its own page: what the test does or what the last
// one suggested, and a button that opens the calibration page. Wide enough, the button stands at the trailing
// end; narrower than `narrowBelow`, it moves under the text. It follows the stored result as it changes.
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

    // "Last test, <date>: <preset>" with the preset's name in bold, as rich text with both parts escaped.
    static QString lastTestText(const CalibrationResult& result);
    // A result's date (seconds since 2001-01-01 UTC) in the current language's abbreviated style, without a time.
    static QString dateText(double date);

    // The row's last measured width.
    int rowWidth() const { return width_; }
    // Whether the button stands under the text.
    bool buttonUnderText() const { return width_ < narrowBelow; }

    QLabel& title() const { return *title_; }
    QLabel& offer() const { return *offer_; }
    // The last result's line and its click-guard label, shown instead of the offer once a test is stored.
    QLabel& lastTest() const { return *lastTest_; }
    SymbolLabel& clickGuard() const { return *clickGuard_; }
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
    void refresh();

    AppModel& model_;
    int width_ = initialWidth;
    QLabel* title_;
    QLabel* offer_;
    QLabel* lastTest_;
    SymbolLabel* clickGuard_;
    ProminentButton* button_;
};

} // namespace quellarine
