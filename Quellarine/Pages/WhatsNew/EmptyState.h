#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace quellarine {

// What a page shows where it has nothing to list: a large symbol, a title and a line on what to do, centred.
class EmptyState : public QWidget {
    Q_OBJECT

public:
    static constexpr int symbolSide = 44;

    // `title` and `description` are already localised.
    EmptyState(const QString& title, const QString& symbol, const QString& description, QWidget* parent = nullptr);

    QLabel* title() const { return title_; }
    QLabel* description() const { return description_; }

private:
    QLabel* title_;
    QLabel* description_;
};

} // namespace quellarine
