#pragma once

#include "QuellarineKit/Pointer/DirectPointerControl.h"
#include "QuellarineKit/Pointer/PointerControl.h"

#include <functional>
#include <vector>

namespace quellarine::testing {

// The tap's commands act at once, but its answers wait until the test delivers them: so the application's thread
// hears back from the pointer thread only once its own loop runs, which at launch is after the windows are built.
class AnswersLater final : public PointerControl {
public:
    explicit AnswersLater(DirectPointerControl& direct)
        : direct_(direct)
    {
    }

    void start(Answer started) override { direct_.start(later(std::move(started))); }
    void stop() override { direct_.stop(); }
    bool isRunning() const override { return answered_ && direct_.isRunning(); }
    void ensureEnabled(Answer wasEnabled) override { direct_.ensureEnabled(later(std::move(wasEnabled))); }
    void displaysChanged() override { direct_.displaysChanged(); }
    void setParameters(const PointerFilter::Parameters& parameters) override { direct_.setParameters(parameters); }
    void setClickSettings(const ClickGuard::Settings& settings) override { direct_.setClickSettings(settings); }
    void setFiltering(bool filtering) override { direct_.setFiltering(filtering); }
    bool isFiltering() const override { return direct_.isFiltering(); }
    int externalMoves() const override { return direct_.externalMoves(); }

    void deliver()
    {
        answered_ = true;
        auto answers = std::move(answers_);
        for (auto& answer : answers) {
            answer();
        }
    }

private:
    Answer later(Answer answer)
    {
        return
            [this, answer = std::move(answer)](bool value) { answers_.push_back([answer, value] { answer(value); }); };
    }

    DirectPointerControl& direct_;
    std::vector<std::function<void()>> answers_;
    bool answered_ = false;
};

} // namespace quellarine::testing
