#pragma once

#include "QuellarineKit/Pointer/PointerControl.h"
#include "QuellarineKit/System/MainLoop.h"
#include "QuellarineKit/System/Permission.h"

#include <QObject>

#include <memory>

namespace quellarine {

class SystemLog;

// Whether the pointer tap may run, and the tap's life that follows from it. While the permission is missing it
// looks once a second and starts the tap as soon as it is given; every five seconds it asks again, stops the tap
// when the permission is gone, turns a tap the system switched off back on and logs the cursor moves of others.
// It never decides whether the tap filters: it tells its owner whenever that has to be brought in line.
class PermissionWatch final : public QObject {
    Q_OBJECT

public:
    struct Platform {
        system::Permission& permission;
        system::MainLoop& mainLoop;
        PointerControl& tap;
        const SystemLog& log;
    };

    // Reads the permission once; nothing is scheduled before start().
    explicit PermissionWatch(Platform platform, QObject* parent = nullptr);
    ~PermissionWatch() override;

    // Starts the tap now if permitted, else waits for the permission; and starts the five-second watch.
    void start();

    bool maySteerPointer() const { return maySteerPointer_; }
    // The permission was there but the system refused the tap; no retry until it is lost and given again.
    bool tapFailed() const { return tapFailed_; }

signals:
    void maySteerPointerChanged(bool value);
    void tapFailedChanged(bool value);
    // The tap was just started, before its answer: the owner gives it the click settings and the filtering in force.
    void tapStarting();
    // The tap's state changed (its start answered, the permission came or went): the owner brings filtering in line.
    void tapChanged();

private:
    void waitForAccess();
    void waitStep();
    void startTap();
    void check();
    void setMaySteerPointer(bool value);
    void setTapFailed(bool value);

    Platform platform_;
    bool maySteerPointer_ = false;
    bool tapFailed_ = false;
    bool waiting_ = false;
    int loggedExternalMoves_ = 0;
    system::MainLoop::TimerID waitTimer_ = 0;
    system::MainLoop::TimerID watchTimer_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace quellarine
