#pragma once

class QWidget;

namespace quellarine {

// Where the keyboard's focus goes inside a block of a window.
class FocusChain {
public:
    // The first widget inside `block` (or the block itself) that Tab would stop at: shown, enabled and taking
    // focus from Tab. None when the block holds no such stop.
    static QWidget* first(QWidget& block);
};

} // namespace quellarine
