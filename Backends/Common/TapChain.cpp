#include "Backends/Common/TapChain.h"

#include <algorithm>

namespace quellarine::backends {

class TapChain::Tap final : public system::EventTap {
public:
    Tap(TapChain& chain, Entry& entry)
        : chain_(chain)
        , entry_(entry)
    {
    }
    ~Tap() override { chain_.destroyed(entry_); }
    Tap(const Tap&) = delete;
    Tap& operator=(const Tap&) = delete;

    void setEnabled(bool enabled) override { chain_.setEnabled(entry_, enabled); }
    bool isEnabled() const override { return chain_.isEnabled(entry_); }

private:
    TapChain& chain_;
    Entry& entry_;
};

TapChain::TapChain(Hooks hooks)
    : hooks_(std::move(hooks))
{
    // Room for the few taps there are: running them, or telling them they are off, allocates nothing.
    running_.reserve(8);
    told_.reserve(8);
}

TapChain::~TapChain() = default;

std::unique_ptr<system::EventTap> TapChain::create(system::EventMask mask, Callback callback)
{
    auto entry = std::make_unique<Entry>();
    entry->mask = mask;
    entry->callback = std::move(callback);
    Entry& created = *entry;
    taps_.insert(taps_.begin(), std::move(entry));
    hooks_.changed();
    return std::make_unique<Tap>(*this, created);
}

bool TapChain::anyEnabled() const
{
    return std::any_of(taps_.begin(), taps_.end(), [](const auto& entry) { return entry->enabled; });
}

void TapChain::setEnabled(Entry& entry, bool enabled)
{
    entry.enabled = enabled && (!hooks_.mayEnable || hooks_.mayEnable());
    hooks_.changed();
}

bool TapChain::isEnabled(const Entry& entry) const
{
    return entry.enabled && (!hooks_.stillOn || hooks_.stillOn());
}

void TapChain::destroyed(Entry& entry)
{
    entry.enabled = false;
    entry.removed = true;
    hooks_.changed();
    purgeRemoved();
}

void TapChain::purgeRemoved()
{
    if (dispatching_ == 0) {
        std::erase_if(taps_, [](const std::unique_ptr<Entry>& entry) { return entry->removed; });
    }
}

bool TapChain::run(system::Event& event)
{
    const system::EventMask bit = system::maskBit(event.type);
    running_.clear();
    for (const auto& entry : taps_) {
        if (entry->enabled && (entry->mask & bit) != 0) {
            running_.push_back(entry.get());
        }
    }
    bool passes = true;
    ++dispatching_;
    for (std::size_t i = 0; i < running_.size() && passes; ++i) {
        Entry* entry = running_[i];
        // A tap switched off or destroyed by an earlier callback no longer sees the event.
        if (entry->enabled && !entry->removed) {
            passes = entry->callback(event) == system::TapVerdict::pass;
        }
    }
    --dispatching_;
    purgeRemoved();
    return passes;
}

void TapChain::disableAll(system::EventType reason, std::uint64_t timestamp)
{
    told_.clear();
    for (const auto& entry : taps_) {
        if (entry->enabled) {
            entry->enabled = false;
            told_.push_back(entry.get());
        }
    }
    hooks_.changed();
    ++dispatching_;
    // By index: a callback may make a tap, which the notices are not for.
    for (std::size_t i = 0; i < told_.size(); ++i) {
        if (!told_[i]->removed) {
            system::Event notice;
            notice.type = reason;
            notice.timestamp = timestamp;
            told_[i]->callback(notice);
        }
    }
    --dispatching_;
    purgeRemoved();
}

} // namespace quellarine::backends
