#pragma once

#include <QLabel>

namespace quellarine {

// A small heading of the menu-bar window: the text upper-cased, small, semibold and secondary.
class SectionTitle : public QLabel {
    Q_OBJECT

public:
    // `text` is already localised.
    explicit SectionTitle(const QString& text, QWidget* parent = nullptr);
};

} // namespace quellarine
