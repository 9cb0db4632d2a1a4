#pragma once

#include <QObject>

#include <vector>

class QAbstractButton;

namespace quellarine {

// Buttons that make one exclusive choice, as a keyboard and a screen reader know such a choice: each reads as a
// radio button, the group is one Tab stop (the chosen button, or the first while none is), and the arrow keys
// move to the neighbouring button and choose it, left and right following the layout's direction.
class RadioGroup : public QObject {
    Q_OBJECT

public:
    // The buttons in their reading order; the group belongs to the first one's parent.
    explicit RadioGroup(std::vector<QAbstractButton*> buttons);

    // Gives the Tab stop to the chosen button; call when the choice changed without a click.
    void refresh();
    // While an arrow key chooses: the keyboard stays on the group, so a choice made this way moves no focus on.
    bool stepping() const { return stepping_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(QAbstractButton& from, int by);

    std::vector<QAbstractButton*> buttons_;
    bool stepping_ = false;
};

} // namespace quellarine
