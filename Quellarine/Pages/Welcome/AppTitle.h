#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace quellarine {

// The application icon beside a large title, with the caller's view under the title.
class AppTitle : public QWidget {
    Q_OBJECT

public:
    static constexpr int iconSide = 64;
    static constexpr int spacing = 14;

    // `title` is already localised. Takes ownership of `subtitle`.
    AppTitle(const QString& title, QWidget* subtitle, QWidget* parent = nullptr);

    QLabel* titleLabel() const { return title_; }
    QWidget* subtitle() const { return subtitle_; }
    // Where the icon is drawn; the icon is decoration, not an element assistive technology visits.
    QRect iconRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* title_;
    QWidget* subtitle_;
};

} // namespace quellarine
