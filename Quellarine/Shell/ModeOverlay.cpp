#include "Quellarine/Shell/ModeOverlay.h"

#include "Quellarine/Components/Style/Announcer.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Shell/Compositor.h"
#include "Quellarine/Components/Style/Motion.h"
#include "Quellarine/Shell/ModeBanner.h"

#include <QAccessible>
#include <QCursor>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace quellarine {

namespace {

constexpr qreal cornerRadius = 16;
// Room around the banner for its shadow, which a compositor draws; the shadow falls a little downwards.
constexpr QMargins shadowMargins(28, 22, 28, 34);
constexpr qreal shadowBlur = 36;
constexpr QPointF shadowOffset(0, 8);

QPainterPath roundedShape(const QRectF& rect)
{
    QPainterPath path;
    path.addRoundedRect(rect, cornerRadius, cornerRadius);
    return path;
}

// The heads-up material the banner sits on: a rounded, slightly translucent plate in the appearance's colours,
// opaque where nothing composites it.
class Material final : public QWidget {
public:
    Material()
    {
        setAttribute(Qt::WA_TranslucentBackground);
        shadow_ = new QGraphicsDropShadowEffect(this);
        shadow_->setBlurRadius(shadowBlur);
        shadow_->setOffset(shadowOffset);
        setGraphicsEffect(shadow_);
        applyShadowColour();
    }

    void setComposited(bool composited)
    {
        composited_ = composited;
        shadow_->setEnabled(composited);
        update();
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const bool dark = Appearance::isDark(palette());
        QColor fill = dark ? QColor(0x25, 0x29, 0x27) : QColor(0xF7, 0xF8, 0xF7);
        QColor border = dark ? QColor(255, 255, 255, 28) : QColor(0, 0, 0, 22);
        if (composited_) {
            fill.setAlphaF(dark ? 0.92 : 0.94);
        }
        const QRectF plate = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.fillPath(roundedShape(plate), fill);
        painter.setPen(QPen(border, 1));
        painter.drawPath(roundedShape(plate));
    }

    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange) {
            applyShadowColour();
        }
        QWidget::changeEvent(event);
    }

private:
    void applyShadowColour() { shadow_->setColor(QColor(0, 0, 0, Appearance::isDark(palette()) ? 120 : 60)); }

    QGraphicsDropShadowEffect* shadow_ = nullptr;
    bool composited_ = true;
};

std::vector<ModeOverlay::Screen> desktopScreens()
{
    std::vector<ModeOverlay::Screen> screens;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.push_back({screen->geometry(), screen->availableGeometry(), screen == primary});
    }
    return screens;
}

} // namespace

ModeOverlay::Environment ModeOverlay::Environment::desktop()
{
    return {
        .pointerLocation = [] { return QCursor::pos(); },
        .screens = desktopScreens,
        .reduceMotion = [] { return Motion::shared().reduceMotion(); },
        .announce = Announcer::announce,
        .composited = Compositor::isActive,
    };
}

ModeOverlay::ModeOverlay(system::MainLoop& mainLoop, Environment environment, QObject* parent)
    : QObject(parent)
    , mainLoop_(mainLoop)
    , environment_(std::move(environment))
    , background_(new Material)
{
}

ModeOverlay::~ModeOverlay()
{
    cancelHide();
    if (panel_ != nullptr) {
        delete panel_.data(); // and the background with it
    } else {
        delete background_.data();
    }
}

QWidget* ModeOverlay::panel() const
{
    return panel_.data();
}

ModeBanner* ModeOverlay::banner() const
{
    return banner_.data();
}

std::optional<ModeOverlay::Screen> ModeOverlay::screenFor(QPoint pointer, const std::vector<Screen>& screens)
{
    for (const Screen& screen : screens) {
        if (screen.frame.contains(pointer)) {
            return screen;
        }
    }
    for (const Screen& screen : screens) {
        if (screen.primary) {
            return screen;
        }
    }
    return std::nullopt;
}

QRect ModeOverlay::placement(const QRect& visibleFrame, QSize size)
{
    // Qt's y axis grows downwards: the banner's bottom edge sits the given share of the height above the bottom.
    const double left = visibleFrame.x() + visibleFrame.width() / 2.0 - size.width() / 2.0;
    const double bottom = visibleFrame.y() + visibleFrame.height() * (1.0 - heightAboveBottom);
    return {QPoint(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(bottom)) - size.height()), size};
}

void ModeOverlay::buildPanel()
{
    auto* panel
        = new QWidget(nullptr,
                      Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus
                          | Qt::WindowTransparentForInput | Qt::NoDropShadowWindowHint);
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // Unmanaged: no window manager gives it the focus, decorates it, lists it or keeps it to one workspace.
        panel->setWindowFlag(Qt::X11BypassWindowManagerHint);
        panel->setAttribute(Qt::WA_X11DoNotAcceptFocus);
    }
    panel->setAttribute(Qt::WA_ShowWithoutActivating);
    panel->setAttribute(Qt::WA_TranslucentBackground);
    panel->setWindowTitle(tr("Quellarine"));
    Announcer::markAsAlert(*panel);
    background_->setParent(panel);
    background_->show();
    panel_ = panel;
}

void ModeOverlay::show(const QString& title, const QString& detail, std::optional<GlobalHotKey::Shortcut> shortcut)
{
    // The content is rebuilt for every banner; the panel and its background stay.
    auto* banner = new ModeBanner(title, detail, shortcut, background_);
    const QSize size = banner->fittingSize();
    banner->setGeometry(QRect(QPoint(0, 0), size));
    for (QWidget* child : background_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != banner) {
            delete child;
        }
    }
    banner->show();
    banner_ = banner;

    const auto screen = screenFor(environment_.pointerLocation(), environment_.screens());
    if (!screen) {
        return;
    }

    if (panel_ == nullptr) {
        buildPanel();
    }
    const bool composited = environment_.composited();
    const QMargins margins = composited ? shadowMargins : QMargins();
    static_cast<Material*>(background_.data())->setComposited(composited);
    background_->setGeometry(QRect(QPoint(margins.left(), margins.top()), size));
    panel_->setGeometry(placement(screen->visibleFrame, size).marginsAdded(margins));
    if (composited) {
        panel_->clearMask();
    } else {
        // Nothing blends the corners into the desktop: cut them away instead.
        panel_->setMask(QRegion(roundedShape(QRectF(QPointF(0, 0), size)).toFillPolygon().toPolygon()));
    }
    background_->update();

    const bool alreadyShown = panel_->isVisible();
    panel_->setWindowOpacity(1.0);
    panel_->show();
    panel_->raise();
    if (alreadyShown) {
        // Screen readers read an alert out as it appears, and Qt tells them only when a window is first shown:
        // a banner that replaces one still on screen appears anew.
        QAccessibleEvent appeared(panel_.data(), QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&appeared);
    }

    environment_.announce(*panel_, title + QStringLiteral(". ") + detail);

    cancelHide();
    hideTimer_ = mainLoop_.scheduleAfter(shownFor, [this] {
        hideTimer_.reset();
        fadeOut();
    });
}

void ModeOverlay::cancelHide()
{
    if (hideTimer_) {
        mainLoop_.cancel(*hideTimer_);
        hideTimer_.reset();
    }
    if (fadeTimer_) {
        mainLoop_.cancel(*fadeTimer_);
        fadeTimer_.reset();
    }
}

void ModeOverlay::fadeOut()
{
    if (environment_.reduceMotion()) {
        panel_->setWindowOpacity(0.0);
        panel_->hide();
        return;
    }
    fadeSteps_ = 0;
    fadeTimer_ = mainLoop_.scheduleRepeating(fadeStep, fadeStep, [this] { stepFade(); });
}

void ModeOverlay::stepFade()
{
    // Counted in whole steps, so that the last one lands on exactly 0.
    static const int steps = static_cast<int>(std::lround(fadeDuration / fadeStep));
    ++fadeSteps_;
    panel_->setWindowOpacity(1.0 - static_cast<double>(std::min(fadeSteps_, steps)) / steps);
    if (fadeSteps_ >= steps) {
        mainLoop_.cancel(*fadeTimer_);
        fadeTimer_.reset();
        panel_->hide();
    }
}

} // namespace quellarine
