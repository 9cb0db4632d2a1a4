#pragma once

#include <QElapsedTimer>
#include <QRect>
#include <QWidget>

#include <optional>

namespace quellarine {

class FocusScrollArea;
class MenuView;

// The window the menu-bar window is shown in: a borderless window next to the tray icon, above the others, that
// goes away when the user clicks elsewhere or presses Escape. It sizes itself to its content and stays on the screen;
// where the screen is too short for it, it takes the screen's free height and scrolls.
class MenuPanel : public QWidget {
    Q_OBJECT

public:
    // Space between the icon and the panel.
    static constexpr int gap = 4;

    // Takes ownership of `view`.
    explicit MenuPanel(MenuView* view, QWidget* parent = nullptr);

    MenuView& view() const { return *view_; }

    // Shows the panel next to `anchor` (the tray icon's rectangle, in global coordinates) on the screen that
    // holds it, or hides it when it is already shown.
    void toggle(const QRect& anchor);
    void showNear(const QRect& anchor);

    // Where a panel of `size` goes next to `anchor` within `available` (the screen's free area): below the
    // anchor when the anchor is in the upper half, above it otherwise, centred on it across, and moved as
    // little as needed to stay inside `available`.
    static QPoint placement(const QRect& anchor, QSize size, const QRect& available);
    // The panel's size for content of this height on a screen with this much free height: the content's own,
    // or the free height with room for the scroll bar beside the content.
    static QSize fittedSize(int contentHeight, int availableHeight, int scrollBarWidth);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void place();
    // Whether the panel closed just now: a click on the tray icon that closed the popup must not open it again.
    bool closedMoments() const;

    MenuView* view_;
    FocusScrollArea* scroll_;
    std::optional<QRect> anchor_;
    QElapsedTimer closed_;
};

} // namespace quellarine
