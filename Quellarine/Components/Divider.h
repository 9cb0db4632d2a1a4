#pragma once

#include <QWidget>

namespace quellarine {

// A hairline between the blocks of a view or the parts of a card.
class Divider : public QWidget {
public:
    explicit Divider(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quellarine
