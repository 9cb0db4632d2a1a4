#pragma once

#include "Quellarine/Components/DrawnButton.h"

namespace quellarine {

// A drawn button with a mark (a chevron, a symbol) before a title that wraps under itself when the room is too
// narrow for one line, all inside room for the focus ring. It sizes itself; subclasses paint the mark and the
// title, the mark beside the title's first line.
class LeadingMarkButton : public DrawnButton {
    Q_OBJECT

public:
    static constexpr int markSpacing = 6;
    // Room all round for the focus ring, so that it never covers the mark or the title.
    static constexpr int focusMargin = 4;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    explicit LeadingMarkButton(const QString& title, QWidget* parent = nullptr);

    // The side of the square the mark takes.
    virtual int markSide() const = 0;
    // The room the title has beside the mark in a button `width` wide.
    int textWidth(int width) const;

    void changeEvent(QEvent* event) override;
};

} // namespace quellarine
