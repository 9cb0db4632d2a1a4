#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace quellarine {

// The heading at the top of a page: a large title and, under it, a subtitle that wraps as it needs.
class PageTitle : public QWidget {
    Q_OBJECT

public:
    // `title` and `subtitle` are already localised.
    PageTitle(const QString& title, const QString& subtitle, QWidget* parent = nullptr);

    QLabel* titleLabel() const { return title_; }
    QLabel* subtitleLabel() const { return subtitle_; }

private:
    QLabel* title_;
    QLabel* subtitle_;
};

} // namespace quellarine
