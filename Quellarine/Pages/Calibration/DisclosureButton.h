#pragma once

#include "Quellarine/Components/LeadingMarkButton.h"

namespace quellarine {

// The switch of a block that opens under it: a chevron and the title, the chevron pointing along the reading
// direction while closed and down while open. Checked means open. Drawn like the application's other controls,
// with its focus ring; the title wraps under itself when the room is too narrow for one line.
class DisclosureButton : public LeadingMarkButton {
    Q_OBJECT

public:
    static constexpr int chevronSide = 10;

    explicit DisclosureButton(const QString& title, QWidget* parent = nullptr);

protected:
    int markSide() const override { return chevronSide; }
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quellarine
