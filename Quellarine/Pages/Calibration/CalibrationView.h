#pragma once

#include "Quellarine/Pages/Calibration/CalibrationResultPage.h"
#include "Quellarine/Pages/Calibration/CalibrationSession.h"

#include <QWidget>

#include <optional>

class QGridLayout;
class QLabel;
class QPushButton;
class QShortcut;
class QVBoxLayout;

namespace quellarine {

class AIBadge;
class AppModel;
class CalibrationStage;
class ShortcutsSection;

// The page of the calibration section: the intro with its Start, the three parts of the test on the stage,
// the analysis at work, and the result. While a part runs the model's `calibrating` is on, so the stage sees
// the hand's own movement; it goes off when the test ends, is cancelled, or the page goes away. The recording
// lives only as long as the page; the result is kept in the profile.
class CalibrationView : public QWidget {
    Q_OBJECT

public:
    using Step = CalibrationSession::Step;

    static constexpr int spacing = 18;
    static constexpr int wideFrom = 560;
    static constexpr int initialWidth = 660;
    static constexpr int workingHeight = 300;

    // `clock` is the test's monotonic clock in seconds.
    explicit CalibrationView(AppModel& model, QWidget* parent = nullptr,
                             std::function<double()> clock = &CalibrationSession::monotonicNow);
    ~CalibrationView() override;

    // The caption under the title for a step.
    static QString caption(Step step);
    // The stage's size for a page width.
    static QSizeF stageSize(qreal pageWidth);

    Step step() const { return session_.step(); }
    CalibrationSession& session() { return session_; }
    const std::optional<CalibrationResult>& result() const { return result_; }
    const std::optional<CalibrationResultPage::Replay>& replay() const { return replay_; }
    int pageWidth() const { return width_; }

    void start();
    void reset();
    void stopCalibrating();
    // What the analysis found, shown as the result page.
    void showResult(const CalibrationResult& result, std::optional<CalibrationResultPage::Replay> replay);
    void widthChanged(int width);

    QLabel& titleLabel() const { return *title_; }
    AIBadge& badge() const { return *badge_; }
    QLabel& captionLabel() const { return *caption_; }
    QPushButton& headerButton() const { return *headerButton_; }
    ShortcutsSection& shortcuts() const { return *shortcuts_; }
    // The current step's parts; none when the step does not show them.
    QPushButton* startButton() const { return startButton_; }
    QWidget* lastResultCard() const { return lastResultCard_; }
    QWidget* explainCard() const { return explainCard_; }
    const std::vector<QWidget*>& stepCards() const { return stepCards_; }
    CalibrationStage* stage() const { return stage_; }
    QWidget* working() const { return working_; }
    CalibrationResultPage* resultPage() const { return resultPage_; }
    // The current step's content.
    QWidget* body() const { return body_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void stepChanged(Step step);
    void finish();
    void rebuildBody();
    QWidget* buildIntro();
    QWidget* buildWorking();
    void placeBadge();
    void setMoveCompression(bool recording);

    AppModel& model_;
    CalibrationSession session_;
    std::optional<CalibrationResult> result_;
    std::optional<CalibrationResultPage::Replay> replay_;
    int width_ = initialWidth;
    bool builtWide_ = true;
    std::optional<bool> savedCompression_;
    // Whether the keyboard was on this page when the step began to change.
    std::optional<bool> focusWasHere_;

    QVBoxLayout* layout_;
    QGridLayout* titleLine_;
    QLabel* title_;
    AIBadge* badge_;
    bool badgeUnder_ = false; // the badge stands under the title rather than beside it
    QLabel* caption_;
    QPushButton* headerButton_;
    QShortcut* escape_;
    QShortcut* return_;
    QWidget* body_ = nullptr;
    QWidget* below_;
    ShortcutsSection* shortcuts_;

    QPushButton* startButton_ = nullptr;
    QWidget* lastResultCard_ = nullptr;
    QWidget* explainCard_ = nullptr;
    std::vector<QWidget*> stepCards_;
    CalibrationStage* stage_ = nullptr;
    QWidget* working_ = nullptr;
    CalibrationResultPage* resultPage_ = nullptr;
};

} // namespace quellarine
