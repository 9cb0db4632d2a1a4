#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace quellarine {

// A short success or warning message: a check mark in the accent colour, or an exclamation mark in the warm
// colour, beside text that wraps onto as many lines as it needs. A warning is an alert to assistive technology,
// announced when it appears.
class Notice : public QWidget {
    Q_OBJECT

public:
    // `text` is shown unchanged: callers pass text that is already localised.
    Notice(const QString& text, bool ok, QWidget* parent = nullptr);

    QString text() const;
    // Already localised, like the text given at construction.
    void setText(const QString& text);
    bool ok() const { return ok_; }
    QString symbol() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateMargins();

    QLabel* label_;
    bool ok_;
};

} // namespace quellarine
