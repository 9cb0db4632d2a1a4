#pragma once

#include <QObject>

#include <sys/types.h>

namespace quellarine {

class RealtimeKit;
class SystemLog;

// Puts the pointer thread above the desktop's ordinary work, so that a loaded computer still serves the hand at
// once: real time from the kernel where it allows it, else through the desktop's RealtimeKit, else a better nice
// level; otherwise it stays as it is, quietly. Says in the log what it obtained.
class PointerPriority : public QObject {
    Q_OBJECT
public:
    // Starts at once; the broker's answer comes later, on this thread.
    PointerPriority(pid_t pointerThread, RealtimeKit& broker, const SystemLog& log, QObject* parent = nullptr);

private:
    void report(const QString& how) const;

    pid_t thread_;
    const SystemLog& log_;
};

} // namespace quellarine
