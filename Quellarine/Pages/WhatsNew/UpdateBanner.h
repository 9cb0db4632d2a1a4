#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace quellarine {

class ProminentButton;

// The line that offers a newer version the updater has found: a red dot, "Quellarine <version> is available"
// and an "Update Now" button, on a light red wash.
class UpdateBanner : public QWidget {
    Q_OBJECT

public:
    static constexpr int padding = 14;
    static constexpr int spacing = 10;
    static constexpr int dotSide = 9;
    static constexpr qreal cornerRadius = 12;

    explicit UpdateBanner(QWidget* parent = nullptr);

    void setVersion(const QString& version);
    QLabel* message() const { return message_; }
    ProminentButton* updateButton() const { return button_; }

signals:
    void updateRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* message_;
    ProminentButton* button_;
};

} // namespace quellarine
