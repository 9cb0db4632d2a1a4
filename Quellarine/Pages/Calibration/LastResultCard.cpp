#include "Quellarine/Pages/Calibration/LastResultCard.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/CalibrationRow.h"
#include "Quellarine/Components/PresetSymbolView.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Model/AppModel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

namespace quellarine {

LastResultCard::LastResultCard(AppModel& model, CalibrationResult result, QWidget* parent)
    : FilledPanel(14, 0.08, Brand::accent, parent)
    , model_(model)
    , result_(std::move(result))
    , line_(new QLabel(CalibrationRow::lastTestText(result_), this))
{
    auto* symbol = new PresetSymbolView(result_.suggested, 1.1, Brand::accent, this);

    line_->setTextFormat(Qt::RichText);
    line_->setWordWrap(true);
    line_->setFont(Typography::font(Typography::TextStyle::body));
    line_->setAccessibleName(QTextDocumentFragment::fromHtml(line_->text()).toPlainText());
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(line_);
    if (result_.clickGuard) {
        clickGuard_ = new QLabel(CalibrationRow::tr("With the click guard on"), this);
        clickGuard_->setTextFormat(Qt::PlainText);
        clickGuard_->setWordWrap(true);
        clickGuard_->setForegroundRole(QPalette::PlaceholderText);
        texts->addWidget(clickGuard_);
    }

    QFont medium = Typography::font(Typography::TextStyle::body);
    medium.setWeight(QFont::Medium);
    inUse_ = new SymbolLabel(tr("In use"), QStringLiteral("checkmark.circle.fill"), medium, Brand::accent, this);
    use_ = new QPushButton(tr("Use These Settings"), this);
    use_->setMinimumHeight(ProminentButton::height);
    connect(use_, &QPushButton::clicked, this, [this] { useLastResult(model_, result_); });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(12);
    layout->addWidget(symbol, 0, Qt::AlignVCenter);
    layout->addLayout(texts, 1);
    layout->addWidget(inUse_, 0, Qt::AlignVCenter);
    layout->addWidget(use_, 0, Qt::AlignVCenter);

    connect(&model_, &AppModel::presetIDChanged, this, &LastResultCard::refresh);
    connect(&model_, &AppModel::clickGuardOnChanged, this, &LastResultCard::refresh);
    refresh();
}

bool LastResultCard::inUse(const AppModel& model, const CalibrationResult& result)
{
    return model.presetID() == result.suggested && (!result.clickGuard || model.clickGuardOn());
}

void LastResultCard::useLastResult(AppModel& model, const CalibrationResult& result)
{
    model.setPresetID(result.suggested);
    if (result.clickGuard) {
        model.setClickGuardOn(true);
    }
}

void LastResultCard::refresh()
{
    const bool used = inUse(model_, result_);
    const bool hadFocus = use_->hasFocus();
    inUse_->setVisible(used);
    use_->setVisible(!used);
    if (used && hadFocus) {
        emit focusReleased();
    }
}

} // namespace quellarine
