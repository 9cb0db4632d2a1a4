#pragma once

class QVariantAnimation;
class QWidget;

namespace quellarine {

// Runs `animation` from `from` to `to` when motion is not reduced and `view` (if given) is on screen, and says
// so. Otherwise it stops the animation, leaves it standing at `to` and returns false: the caller shows `to` at
// once, as nobody would see the motion.
bool animateUnlessStill(QVariantAnimation& animation, double from, double to, const QWidget* view);

} // namespace quellarine
