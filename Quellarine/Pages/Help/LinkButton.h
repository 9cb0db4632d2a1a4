#pragma once

#include "Quellarine/Components/Style/DynamicColor.h"

#include "Quellarine/Components/LeadingMarkButton.h"

namespace quellarine {

// A button drawn as a link: a symbol and its title in the window's tint, with no frame. The title is
// underlined while the pointer is over it; pressed it dims, disabled it turns to the secondary text colour,
// and a focus ring shows keyboard focus. A title longer than the room wraps under itself.
class LinkButton : public LeadingMarkButton {
    Q_OBJECT

public:
    LinkButton(const QString& title, const QString& symbol, DynamicColor tint, QWidget* parent = nullptr);

    const QString& symbol() const { return symbol_; }
    // The colour title and symbol are drawn in now.
    QColor color() const;

protected:
    int markSide() const override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString symbol_;
    DynamicColor tint_;
};

} // namespace quellarine
