#pragma once

#include <QLineEdit>

namespace quellarine {

// A text field of the personal details: plain text on its card, without a frame, its text at the trailing edge;
// tall enough to hit with a shaking hand, and ringed while the keyboard is in it.
class DetailField : public QLineEdit {
    Q_OBJECT

public:
    static constexpr int height = 30;
    static constexpr qreal cornerRadius = 6;

    // `label` names the field for assistive technology; `prompt` shows while it is empty, as written.
    DetailField(const QString& label, const QString& prompt, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quellarine
