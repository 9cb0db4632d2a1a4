#include "Backends/Common/PointerThread.h"

#include "Backends/Common/ThreadPriority.h"
#include "QuellarineKit/Pointer/FilterPreset.h"

#include <pthread.h>

#include <future>

namespace quellarine::backends {

PointerThread::PointerThread(MakeBackend makeBackend, Deliver deliver)
    : loop_(clock_)
    , deliver_(std::move(deliver))
{
    std::promise<void> made;
    std::future<void> ready = made.get_future();
    thread_ = std::thread([this, &makeBackend, &made] {
        pthread_setname_np(pthread_self(), "pointer");
        kernelId_ = ThreadPriority::currentThread();
        try {
            backend_ = makeBackend();
            backend_->attach(loop_);
            // The owner sets the parameters and click settings in force before it starts the tap.
            tap_ = std::make_unique<PointerTap>(backend_->pointerSystem(loop_), FilterPreset::balanced().parameters,
                                                ClickGuard::Settings::off());
            tap_->setFiltering(false);
            loop_.setBeforeWait([this] { publish(); });
        } catch (...) {
            made.set_exception(std::current_exception());
            return;
        }
        made.set_value();
        loop_.run();
    });
    try {
        ready.get();
    } catch (...) {
        thread_.join();
        throw;
    }
}

PointerThread::~PointerThread()
{
    loop_.post([this] {
        tap_.reset();
        backend_.reset();
        loop_.quit();
    });
    thread_.join();
}

void PointerThread::publish()
{
    running_.store(tap_->isRunning());
    externalMoves_.store(tap_->externalMoves());
}

void PointerThread::answer(const Answer& answer, bool value)
{
    deliver_([answer, value] { answer(value); });
}

void PointerThread::start(Answer started)
{
    stopped_ = false;
    loop_.post([this, started = std::move(started)] {
        bool allowed = true;
        try {
            tap_->start();
        } catch (const PointerTap::TapError&) {
            allowed = false;
        }
        publish();
        answer(started, allowed);
    });
}

void PointerThread::stop()
{
    // Known at once: nothing but start() makes it run again.
    stopped_ = true;
    loop_.post([this] {
        tap_->stop();
        publish();
    });
}

void PointerThread::ensureEnabled(Answer wasEnabled)
{
    if (isRunning()) {
        wasEnabled(true);
        return;
    }
    loop_.post([this, wasEnabled = std::move(wasEnabled)] {
        bool enabled = tap_->ensureEnabled();
        publish();
        answer(wasEnabled, enabled);
    });
}

void PointerThread::displaysChanged()
{
    loop_.post([this] { tap_->displaysChanged(); });
}

void PointerThread::setParameters(const PointerFilter::Parameters& parameters)
{
    loop_.post([this, parameters] { tap_->setParameters(parameters); });
}

void PointerThread::setClickSettings(const ClickGuard::Settings& settings)
{
    loop_.post([this, settings] { tap_->setClickSettings(settings); });
}

void PointerThread::setFiltering(bool filtering)
{
    filtering_ = filtering;
    loop_.post([this, filtering] { tap_->setFiltering(filtering); });
}

void PointerThread::withTap(std::function<void(PointerTap& tap)> work)
{
    loop_.post([this, work = std::move(work)] { work(*tap_); });
}

} // namespace quellarine::backends
