#pragma once

#include <QWidget>

namespace quellarine {

// A link drawn by hand: a left click that is released over it, or Space, Return, Enter or Select while it has the
// focus, opens it; a held key opens once. A link with nowhere to go lets the events pass.
class LinkWidget : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Opens the link's address.
    virtual void open() = 0;

protected:
    // Whether there is an address to open.
    virtual bool opens() const { return true; }

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace quellarine
