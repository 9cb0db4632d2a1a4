#pragma once

#include "Quellarine/Model/ModeDisplay.h"

#include "QuellarineKit/Pointer/GlobalHotKey.h"
#include "QuellarineKit/System/MainLoop.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace quellarine {

class ModeBanner;

// The on-screen banner that names the mode after a hot key or the emergency gesture changed it: a rounded panel
// near the bottom of the screen under the pointer, shown for a few seconds and then faded out. It never takes
// the keyboard focus, lets clicks through, and is announced to assistive technology. The panel is built on the
// first show and reused; each show only rebuilds the banner inside it. Main thread only.
class ModeOverlay final : public QObject, public ModeDisplay {
    Q_OBJECT

public:
    // How long a banner stays at full opacity, and how long it then takes to fade out.
    static constexpr double shownFor = 3.5;
    static constexpr double fadeDuration = 0.4;
    // The fade's step: one frame of a 60 Hz display.
    static constexpr double fadeStep = 1.0 / 60.0;
    // How far above the bottom of the screen's visible area the banner sits, as a share of its height.
    static constexpr double heightAboveBottom = 0.18;

    struct Screen {
        QRect frame;        // the whole screen, in global coordinates
        QRect visibleFrame; // without the panels and docks the desktop keeps free
        bool primary = false;

        bool operator==(const Screen&) const = default;
    };

    // Everything the overlay asks of the desktop, so that tests can stand in for it.
    struct Environment {
        std::function<QPoint()> pointerLocation;
        // The screens in the system's order.
        std::function<std::vector<Screen>()> screens;
        // Whether the desktop asks for motion to be kept to a minimum: the banner then disappears without a fade.
        std::function<bool()> reduceMotion;
        // Reads the text out to assistive technology, with the banner's window as the element that carries it.
        std::function<void(QWidget& window, const QString& text)> announce;
        // Whether a compositor draws translucent windows; without one the panel is opaque with clipped corners.
        std::function<bool()> composited;

        // The real desktop, through Qt.
        static Environment desktop();
    };

    explicit ModeOverlay(system::MainLoop& mainLoop, Environment environment = Environment::desktop(),
                         QObject* parent = nullptr);
    ~ModeOverlay() override;
    ModeOverlay(const ModeOverlay&) = delete;
    ModeOverlay& operator=(const ModeOverlay&) = delete;

    // Names the mode: replaces the banner's content, puts it on the screen under the pointer at full opacity,
    // announces "title. detail" and hides it again after `shownFor` seconds and the fade. With no screen at all
    // nothing is shown or announced.
    void show(const QString& title, const QString& detail, std::optional<GlobalHotKey::Shortcut> shortcut) override;

    // The screen a banner goes to: the first one whose frame holds the pointer, else the primary one.
    static std::optional<Screen> screenFor(QPoint pointer, const std::vector<Screen>& screens);
    // Where a banner of this size goes on a screen's visible area: centred horizontally, its bottom edge
    // `heightAboveBottom` of the area's height above the area's bottom edge.
    static QRect placement(const QRect& visibleFrame, QSize size);

    // The banner's window; none before the first banner was placed on a screen.
    QWidget* panel() const;
    // The banner shown last; none before the first show.
    ModeBanner* banner() const;

private:
    void buildPanel();
    void cancelHide();
    void fadeOut();
    void stepFade();

    system::MainLoop& mainLoop_;
    Environment environment_;
    QPointer<QWidget> panel_;
    // The panel's content: the rounded material the banner sits on. It exists from the start and joins the
    // panel when that is built.
    QPointer<QWidget> background_;
    QPointer<ModeBanner> banner_;
    std::optional<system::MainLoop::TimerID> hideTimer_;
    std::optional<system::MainLoop::TimerID> fadeTimer_;
    int fadeSteps_ = 0;
};

} // namespace quellarine
