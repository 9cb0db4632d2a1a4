#pragma once

#include <QLabel>

namespace quellarine {

// Text kept on one line, shown as written (never as markup): when the line is too narrow for it, it ends in an
// ellipsis instead of widening the view around it. Assistive technology reads the whole text.
class OneLineLabel : public QLabel {
    Q_OBJECT

public:
    OneLineLabel(const QString& text, const QFont& font, QWidget* parent = nullptr);

    // The text as drawn at the current width.
    QString shownText() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quellarine
