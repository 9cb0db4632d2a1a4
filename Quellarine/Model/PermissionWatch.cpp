#include "Quellarine/Model/PermissionWatch.h"

#include "Quellarine/Desktop/SystemLog.h"

namespace quellarine {

namespace {

// How often a missing permission is looked for, and how often a given one is asked again.
constexpr double waitInterval = 1.0;
constexpr double watchInterval = 5.0;

} // namespace

PermissionWatch::PermissionWatch(Platform platform, QObject* parent)
    : QObject(parent)
    , platform_(platform)
    , maySteerPointer_(platform_.permission.maySteerPointer())
{
}

PermissionWatch::~PermissionWatch()
{
    alive_.reset();
    for (auto timer : {waitTimer_, watchTimer_}) {
        if (timer != 0) {
            platform_.mainLoop.cancel(timer);
        }
    }
}

void PermissionWatch::start()
{
    waitForAccess();
    std::weak_ptr<bool> alive = alive_;
    watchTimer_ = platform_.mainLoop.scheduleRepeating(watchInterval, watchInterval, [this, alive] {
        if (!alive.expired()) {
            check();
        }
    });
}

void PermissionWatch::waitForAccess()
{
    if (waiting_) {
        return;
    }
    waiting_ = true;
    waitStep();
}

void PermissionWatch::waitStep()
{
    waitTimer_ = 0;
    if (!platform_.permission.maySteerPointer()) {
        waitTimer_ = platform_.mainLoop.scheduleAfter(waitInterval, [this] { waitStep(); });
        return;
    }
    waiting_ = false;
    setMaySteerPointer(true);
    startTap();
}

void PermissionWatch::startTap()
{
    std::weak_ptr<bool> alive = alive_;
    platform_.tap.start([this, alive](bool started) {
        if (alive.expired()) {
            return;
        }
        setTapFailed(!started);
        if (started) {
            platform_.log.info(QStringLiteral("Allowed to steer the pointer, tap started"));
        } else {
            platform_.log.error(QStringLiteral("Allowed to steer the pointer, but the tap could not be created"));
        }
        emit tapChanged();
    });
    // Told right behind the start, not once its answer is back: the answer comes through this thread's loop, which
    // at launch runs only once the windows are built, and until then a started tap would hold the user's devices
    // and pass the hand on unsteadied. A tap that could not start does nothing with them.
    emit tapStarting();
}

void PermissionWatch::check()
{
    const bool trusted = platform_.permission.maySteerPointer();
    if (trusted != maySteerPointer_) {
        platform_.log.info(QStringLiteral("Accessibility trusted changed to %1").arg(SystemLog::boolText(trusted)));
        setMaySteerPointer(trusted);
        if (!trusted) {
            platform_.tap.stop();
            waitForAccess();
        }
        emit tapChanged();
    }
    std::weak_ptr<bool> alive = alive_;
    platform_.tap.ensureEnabled([this, alive, trusted](bool wasEnabled) {
        if (alive.expired()) {
            return;
        }
        if (trusted && !wasEnabled) {
            platform_.log.info(QStringLiteral("Tap was off; turned it back on"));
        }
        const int moves = platform_.tap.externalMoves();
        if (moves != loggedExternalMoves_) {
            loggedExternalMoves_ = moves;
            platform_.log.info(QStringLiteral("Cursor found where we didn't put it: %1 times so far").arg(moves));
        }
    });
}

void PermissionWatch::setMaySteerPointer(bool value)
{
    if (maySteerPointer_ != value) {
        maySteerPointer_ = value;
        emit maySteerPointerChanged(value);
    }
}

void PermissionWatch::setTapFailed(bool value)
{
    if (tapFailed_ != value) {
        tapFailed_ = value;
        emit tapFailedChanged(value);
    }
}

} // namespace quellarine
