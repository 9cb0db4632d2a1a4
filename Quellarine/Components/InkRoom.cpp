#include "Quellarine/Components/InkRoom.h"

#include <QEvent>
#include <QFontInfo>
#include <QLabel>

#include <cmath>

namespace quellarine {

InkRoom::InkRoom(QLabel& label)
    : QObject(&label)
{
    label.installEventFilter(this);
}

void InkRoom::keep(QLabel& label)
{
    new InkRoom(label);
    apply(label);
}

int InkRoom::forPixelSize(int pixelSize)
{
    return static_cast<int>(std::ceil(pixelSize / 4.0));
}

void InkRoom::apply(QLabel& label)
{
    const int room = label.layoutDirection() == Qt::RightToLeft ? forPixelSize(QFontInfo(label.font()).pixelSize()) : 0;
    // Only at the left, where the lines end: the leading edge stays in line with the texts above and below.
    if (label.contentsMargins() != QMargins(room, 0, 0, 0)) {
        label.setContentsMargins(room, 0, 0, 0);
    }
}

bool InkRoom::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::LayoutDirectionChange || event->type() == QEvent::FontChange) {
        apply(*static_cast<QLabel*>(watched));
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quellarine
