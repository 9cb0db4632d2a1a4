#pragma once

#include "Quellarine/Components/DrawnButton.h"

namespace quellarine {

// The switch of a block that opens under it: a chevron and the title, the chevron pointing along the reading
// direction while closed and down while open. Checked means open. Drawn like the application's other controls,
// with its focus ring; the title wraps under itself when the room is too narrow for one line.
class DisclosureButton : public DrawnButton {
    Q_OBJECT

public:
    static constexpr int chevronSide = 10;
    static constexpr int chevronSpacing = 6;
    // Room all round for the focus ring.
    static constexpr int focusMargin = 4;

    explicit DisclosureButton(const QString& title, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int textWidth(int width) const;
};

} // namespace quellarine
