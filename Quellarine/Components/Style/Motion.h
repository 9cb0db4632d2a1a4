#pragma once

#include <QObject>

#include <functional>
#include <optional>

namespace quellarine {

class SettingsPortal;

// Whether views should keep still: the one source every motion-aware view reads. It follows the desktop's
// animation setting where the desktop offers one over D-Bus (the settings portal's reduced-motion preference,
// or GNOME's enable-animations through the portal), and an application-wide override wins over both.
class Motion : public QObject {
    Q_OBJECT

public:
    // The one instance, created on first use with the application as its parent; it starts following the
    // desktop on the session bus at once.
    static Motion& shared();

    // Follows the animation settings that this portal reports.
    void follow(SettingsPortal& portal);

    bool reduceMotion() const;

    // The application-wide switch: true keeps everything still, false animates, none follows the desktop.
    void setOverride(std::optional<bool> reduce);

    // What the desktop asks for; none when it says nothing.
    std::optional<bool> desktopReducesMotion() const;
    void setDesktopAnimationsEnabled(std::optional<bool> enabled);
    void setDesktopReducedMotion(std::optional<bool> reduced);

signals:
    void reduceMotionChanged(bool reduce);

private:
    explicit Motion(QObject* parent);
    void apply(const std::function<void()>& change);

    std::optional<bool> override_;
    std::optional<bool> animationsEnabled_;
    std::optional<bool> reducedMotion_;
};

} // namespace quellarine
