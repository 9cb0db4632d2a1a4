#pragma once

#include "Quellarine/Components/Style/DynamicColor.h"

#include "Quellarine/Components/DrawnButton.h"

namespace quellarine {

// A button drawn as a link: a symbol and its title in the window's tint, with no frame. The title is
// underlined while the pointer is over it; pressed it dims, disabled it turns to the secondary text colour,
// and a focus ring shows keyboard focus. A title longer than the room wraps under itself.
class LinkButton : public DrawnButton {
    Q_OBJECT

public:
    static constexpr int symbolSpacing = 6;
    // Room all round for the focus ring, so that it never covers the symbol or the title.
    static constexpr int focusMargin = 4;

    LinkButton(const QString& title, const QString& symbol, DynamicColor tint, QWidget* parent = nullptr);

    const QString& symbol() const { return symbol_; }
    // The colour title and symbol are drawn in now.
    QColor color() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int symbolSide() const;
    // The room the title has beside the symbol in a button `width` wide.
    int textWidth(int width) const;

    QString symbol_;
    DynamicColor tint_;
};

} // namespace quellarine
