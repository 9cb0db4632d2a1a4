#pragma once

#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <QRectF>
#include <QString>
#include <QWidget>

#include <vector>

namespace quellarine {

// A shortcut drawn as keyboard keys: a cap per modifier with its name as PC keyboards print it ("Ctrl", "Alt")
// and a cap for the key, joined by "+" signs. Every size scales with `scale` except the border widths.
// Assistive technology reads the whole drawing as one element: the shortcut's spoken description.
class KeyCaps : public QWidget {
    Q_OBJECT

public:
    using Shortcut = GlobalHotKey::Shortcut;

    static constexpr qreal borderWidth = 1.0;

    struct Item {
        enum class Kind { modifierCap, plus, keyCap };
        Kind kind;
        QString text; // the modifier's name, "+", or the key label
        QRectF rect;  // the cap, or the "+" sign's frame, in the widget's coordinates
    };

    explicit KeyCaps(const Shortcut& shortcut, qreal scale = 1.0, QWidget* parent = nullptr);

    const Shortcut& shortcut() const { return shortcut_; }
    void setShortcut(const Shortcut& shortcut);
    qreal scale() const { return scale_; }

    // What is drawn, in order, laid out for the widget's current size.
    std::vector<Item> items() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refresh();

    Shortcut shortcut_;
    qreal scale_;
};

// A shortcut as a compact row of small caps without "+" signs: each modifier's name, then the key.
// Fixed size; read as one element, the shortcut's spoken description.
class SmallKeyCaps : public QWidget {
    Q_OBJECT

public:
    using Shortcut = GlobalHotKey::Shortcut;

    static constexpr qreal borderWidth = 1.0;

    struct Item {
        QString text;
        QRectF rect;
    };

    explicit SmallKeyCaps(const Shortcut& shortcut, QWidget* parent = nullptr);

    const Shortcut& shortcut() const { return shortcut_; }
    void setShortcut(const Shortcut& shortcut);

    std::vector<Item> items() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refresh();

    Shortcut shortcut_;
};

} // namespace quellarine
