#include "Quellarine/Components/MotionAware.h"

#include "Quellarine/Components/Style/Motion.h"

#include <QVariantAnimation>
#include <QWidget>

namespace quellarine {

bool animateUnlessStill(QVariantAnimation& animation, double from, double to, const QWidget* view)
{
    animation.stop();
    if (Motion::shared().reduceMotion() || (view != nullptr && !view->isVisible())) {
        animation.setStartValue(to);
        animation.setEndValue(to);
        return false;
    }
    animation.setStartValue(from);
    animation.setEndValue(to);
    animation.start();
    return true;
}

} // namespace quellarine
