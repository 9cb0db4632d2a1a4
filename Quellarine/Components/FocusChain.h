#pragma once

class QWidget;

namespace quellarine {

// Where the keyboard's focus goes inside a block of a window.
class FocusChain {
public:
    // The first widget inside `block` (or the block itself) that Tab would stop at: shown, enabled and taking
    // focus from Tab. None when the block holds no such stop.
    static QWidget* first(QWidget& block);

    // Names the control a block's keyboard user starts at when the block is entered (its main action), or none
    // to start at the first stop.
    static void setEntry(QWidget& block, QWidget* entry);
    // Where the keyboard starts inside `block`: the entry a block inside it (or it itself) named, while that
    // is a stop, else the first stop.
    static QWidget* entry(QWidget& block);
};

} // namespace quellarine
