#pragma once

#include <QWidget>

namespace quellarine {

// The rounded field behind the form's text inputs: the text background colour with a thin outline that gives
// way to the focus ring while the input has the keyboard focus.
class FieldFrame final : public QWidget {
public:
    FieldFrame(QWidget* input, qreal radius, QWidget* parent = nullptr);

    QWidget* input() const { return input_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* input_;
    qreal radius_;
};

} // namespace quellarine
