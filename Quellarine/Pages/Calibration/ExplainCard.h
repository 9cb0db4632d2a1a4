#pragma once

#include "Quellarine/Model/ExplainStore.h"

#include "QuellarineKit/Calibration/CalibrationResult.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

namespace quellarine {

class AppModel;
class DisclosureButton;
class Notice;
class SymbolLabel;

// The card beside a calibration result that offers to have the result explained by the service, shows exactly
// which numbers would be sent and why a request failed, and once answered shows the explanation and the
// personal setting that came with it, adopted in one click. All its state lives in the explanation store and the
// model, apart from whether the list of sent numbers is open.
class ExplainCard final : public QWidget {
    Q_OBJECT

public:
    ExplainCard(AppModel& model, CalibrationResult result, QWidget* parent = nullptr);

    static QString failureSentence(ExplainStore::Failure failure);

    // Whether the explanation for this result is shown (else the offer to ask for one).
    bool showsExplanation() const { return explanation_ != nullptr; }
    // The offer's parts; none while the explanation is shown.
    QPushButton* askButton() const { return ask_; }
    DisclosureButton* numbersToggle() const { return numbersToggle_; }
    QLabel* numbers() const { return numbers_; }
    Notice* failureNotice() const { return failure_; }
    // The explanation's parts; none while the offer is shown.
    QLabel* summary() const { return summary_; }
    // The personal setting's button, when there is a setting that is not in use yet.
    QPushButton* tryButton() const { return try_; }
    // Shown instead of the button while the setting is in use.
    SymbolLabel* inUseLabel() const { return inUse_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void rebuild();
    QWidget* buildExplanation(const ExplainStore::Explanation& explanation);
    QWidget* buildAsking();
    QWidget* buildSettingRow(const PersonalSetting& setting);

    AppModel& model_;
    CalibrationResult result_;
    bool showNumbers_ = false;
    QVBoxLayout* layout_;
    QWidget* body_ = nullptr;
    QWidget* explanation_ = nullptr;
    QPushButton* ask_ = nullptr;
    DisclosureButton* numbersToggle_ = nullptr;
    QLabel* numbers_ = nullptr;
    Notice* failure_ = nullptr;
    QProgressBar* spinner_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* try_ = nullptr;
    SymbolLabel* inUse_ = nullptr;
};

} // namespace quellarine
