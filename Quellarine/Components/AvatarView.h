#pragma once

#include <QImage>
#include <QWidget>

namespace quellarine {

class AppModel;

// The user's picture in a circle: the profile photo, filling the circle, or else the initials of the profile's
// name in white on a green gradient; a faint white rim and a soft shadow below. It follows the profile as it
// changes and reads to assistive technology as the user's name.
class AvatarView : public QWidget {
    Q_OBJECT

public:
    // What the circle shows and how it looks on a given background.
    struct Look {
        QImage photo;     // shown when not null
        QString initials; // shown otherwise, as they are
        bool dark = false;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        bool dropRing = false;
    };

    static constexpr qreal dropRingWidth = 3;

    // The rim's width, the initials' size and the shadow at a diameter.
    static qreal borderWidth(qreal size);
    static qreal initialsPixelSize(qreal size);
    static qreal shadowRadius(qreal size) { return size / 16; }
    static qreal shadowOffset(qreal size) { return size / 30; }
    // The room the shadow needs around the circle.
    static int shadowMargin(qreal size);

    // Paints the avatar with its shadow into the circle inscribed in `circle`.
    static void paint(QPainter& painter, const QRectF& circle, const Look& look);

    AvatarView(AppModel& model, qreal size, QWidget* parent = nullptr);

    qreal diameter() const { return size_; }
    // Where the circle is drawn inside the widget, which leaves room for the shadow around it.
    QRectF circleRect() const;
    bool showsPhoto() const;
    // The letters drawn while there is no photo.
    QString initials() const;

    // The ring that shows a drag hovering over the avatar may be dropped there.
    bool dropTargeted() const { return dropTargeted_; }
    void setDropTargeted(bool targeted);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refresh();

    AppModel& model_;
    qreal size_;
    bool dropTargeted_ = false;
};

} // namespace quellarine
