#include "Quellarine/Pages/Calibration/CalibrationResultPage.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/CalibrationRow.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/DrawnButton.h"
#include "Quellarine/Pages/Calibration/ExplainCard.h"
#include "Quellarine/Components/PlainText.h"
#include "Quellarine/Components/PresetSymbolView.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/Reveal.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Desktop/ScreenScale.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Model/PresetTexts.h"
#include "Quellarine/Pages/Calibration/CalibrationTrace.h"
#include "Quellarine/Pages/Calibration/FilledPanel.h"
#include "Quellarine/Pages/Calibration/MetricTile.h"
#include "Quellarine/Pages/Calibration/ScoreRow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <cmath>

namespace quellarine {

namespace {

constexpr int sectionSpacing = 16;
constexpr int traceHeight = 150;
constexpr int traceWidestWhenWide = 300;

// The suggestion's card: white content on the brand gradient.
class GradientPanel final : public QWidget {
public:
    explicit GradientPanel(QWidget* parent = nullptr)
        : QWidget(parent)
    {
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(ContinuousShape::roundedRect(QRectF(rect()), 18), Brand::gradient(QRectF(rect()), *this));
    }
};

// Two buttons side by side, trailing, or one above the other when the width cannot hold both.
class ButtonPair final : public QWidget {
public:
    ButtonPair(QWidget* first, QWidget* second, bool stacksWhenNarrow, QWidget* parent)
        : QWidget(parent)
        , stacksWhenNarrow_(stacksWhenNarrow)
        , layout_(new QBoxLayout(QBoxLayout::LeftToRight, this))
    {
        layout_->setContentsMargins(0, 0, 0, 0);
        layout_->setSpacing(spacing);
        layout_->addStretch(1);
        layout_->addWidget(first, 0, Qt::AlignTrailing);
        layout_->addWidget(second, 0, Qt::AlignTrailing);
    }

    static constexpr int spacing = 8;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        int needed = spacing;
        for (int i = 1; i < layout_->count(); ++i) {
            needed += layout_->itemAt(i)->widget()->minimumSizeHint().width();
        }
        const bool stacked = stacksWhenNarrow_ && width() < needed;
        const auto direction = stacked ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight;
        if (layout_->direction() != direction) {
            layout_->setDirection(direction);
        }
    }

private:
    bool stacksWhenNarrow_;
    QBoxLayout* layout_;
};

QLabel* label(const QString& text, const QFont& font, QWidget* parent = nullptr)
{
    QLabel* label = plainText(text, font);
    label->setParent(parent);
    return label;
}

void setWhite(QWidget& widget, qreal opacity)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, withOpacity(Qt::white, opacity));
    widget.setPalette(palette);
}

QFont weighted(Typography::TextStyle style, QFont::Weight weight)
{
    QFont font = Typography::font(style);
    font.setWeight(weight);
    return font;
}

} // namespace

CalibrationResultPage::CalibrationResultPage(AppModel& model, CalibrationResult result, std::optional<Replay> replay,
                                             bool wide, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , result_(std::move(result))
    , wide_(wide)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(sectionSpacing);
    // Made in reading order, which Tab and assistive technology follow: the numbers before the explanation of them.
    QWidget* suggestion = buildSuggestion(replay);
    QWidget* tiles = buildTiles();
    QWidget* scores = buildScores();
    explainCard_ = new ExplainCard(model_, result_, this);
    // The sections enter one after the other.
    double delay = 0.05;
    for (QWidget* section : {suggestion, tiles, scores, static_cast<QWidget*>(explainCard_), buildBottom()}) {
        Reveal::apply(*section, delay);
        delay += 0.05;
        layout->addWidget(section);
    }
}

void CalibrationResultPage::keyPressEvent(QKeyEvent* event)
{
    // Return that no control took puts the suggestion into use: the page's default action.
    if (DrawnButton::isActivationKey(*event)) {
        if (!event->isAutoRepeat()) {
            use_->click();
        }
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString CalibrationResultPage::rhythmText(double rhythm)
{
    return tr("%1 times a second").arg(QLocale().toString(static_cast<qlonglong>(std::lround(rhythm))));
}

QString CalibrationResultPage::millimetres(double points, double mmPerPoint)
{
    return tr("%1 mm").arg(QLocale().toString(points * mmPerPoint, 'f', 1));
}

void CalibrationResultPage::useSettings(AppModel& model, const CalibrationResult& result)
{
    model.setPresetID(result.suggested);
    model.setClickGuardOn(result.clickGuard);
    model.setWantsOn(true);
}

QWidget* CalibrationResultPage::buildSuggestion(const std::optional<Replay>& replay)
{
    auto* card = new GradientPanel(this);
    setWhite(*card, 1.0);
    QBoxLayout* layout = wide_ ? static_cast<QBoxLayout*>(new QHBoxLayout(card)) : new QVBoxLayout(card);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(16);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(8);
    auto* heading = label(tr("Suggested for you"), weighted(Typography::TextStyle::callout, QFont::DemiBold), card);
    setWhite(*heading, 1.0);
    texts->addWidget(heading);
    auto* nameRow = new QHBoxLayout;
    nameRow->setSpacing(10);
    nameRow->addWidget(new PresetSymbolView(result_.suggested, 1.3, std::nullopt, card), 0, Qt::AlignVCenter);
    suggestedName_
        = label(presetTitle(result_.suggested), Typography::system(28, QFont::Bold, Typography::Design::rounded), card);
    nameRow->addWidget(suggestedName_, 0, Qt::AlignVCenter);
    nameRow->addStretch(1);
    texts->addLayout(nameRow);
    auto* summary = label(presetSummary(result_.suggested), Typography::font(Typography::TextStyle::body), card);
    setWhite(*summary, 1.0);
    texts->addWidget(summary);
    if (result_.clickGuard) {
        auto* guard
            = new SymbolLabel(CalibrationRow::tr("With the click guard on"), QStringLiteral("cursorarrow.click.2"),
                              weighted(Typography::TextStyle::callout, QFont::Medium), Brand::onGradient, card);
        clickGuardLabel_ = guard;
        texts->addWidget(guard);
    }
    texts->addStretch(1);
    layout->addLayout(texts, 1);

    if (replay) {
        trace_ = new CalibrationTrace(replay->raw, replay->steady, card);
        trace_->setFixedHeight(traceHeight);
        if (wide_) {
            trace_->setMaximumWidth(traceWidestWhenWide);
            trace_->setMinimumWidth(traceWidestWhenWide / 2);
        }
        trace_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        layout->addWidget(trace_, 1, Qt::AlignTop);
    }
    return card;
}

QWidget* CalibrationResultPage::buildTiles()
{
    const double perPoint = mmPerPoint();
    const QString rhythm = result_.rhythm ? rhythmText(*result_.rhythm) : tr("No regular rhythm");
    const std::pair<QString, QString> values[] = {
        {millimetres(result_.shake, perPoint), tr("Shake around where you aim")},
        {rhythm, tr("How fast it shakes")},
        {millimetres(result_.slip, perPoint), tr("Movement while pressing")},
        {QLocale().toString(result_.extraClicks + result_.misses), tr("Extra or missed clicks")},
    };
    auto* grid = new QWidget(this);
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    const int columns = wide_ ? 4 : 2;
    for (int index = 0; index < 4; ++index) {
        auto* tile = new MetricTile(values[index].first, values[index].second, grid);
        tiles_.push_back(tile);
        layout->addWidget(tile, index / columns, index % columns);
    }
    for (int column = 0; column < columns; ++column) {
        layout->setColumnStretch(column, 1);
    }
    return grid;
}

QWidget* CalibrationResultPage::buildScores()
{
    auto* panel = new FilledPanel(14, 0.045, std::nullopt, this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(8);
    layout->addWidget(label(tr("Each preset on your movement"), Typography::font(Typography::TextStyle::headline)));
    QLabel* detail
        = plainText(tr("How much of the shake each one takes out, and how far the pointer trails your hand."),
                    Typography::font(Typography::TextStyle::callout), true);
    layout->addWidget(detail);
    const std::size_t shown = std::min<std::size_t>(result_.scores.size(), shownScores);
    for (std::size_t i = 0; i < shown; ++i) {
        const CalibrationResult::PresetScore& score = result_.scores[i];
        auto* row = new ScoreRow(score, score.preset == result_.suggested, wide_, panel);
        scoreRows_.push_back(row);
        layout->addWidget(row);
    }
    if (wide_) {
        ScoreRow::alignColumns(scoreRows_);
    }
    return panel;
}

QWidget* CalibrationResultPage::buildBottom()
{
    auto* bottom = new QWidget(this);
    QLabel* disclaimer
        = plainText(tr("Measured on this computer. These are pointer settings, not a health measurement."),
                    Typography::font(Typography::TextStyle::callout), true);
    keep_ = new QPushButton(tr("Keep My Settings"), bottom);
    keep_->setMinimumHeight(ProminentButton::height);
    keep_->setMinimumWidth(keep_->sizeHint().width() + 2 * ProminentButton::horizontalPadding / 2);
    auto* use = new ProminentButton(tr("Use These Settings"), Brand::accent, bottom);
    use->setMinimumWidth(use->sizeHint().width() + 12);
    use_ = use;
    connect(keep_, &QPushButton::clicked, this, &CalibrationResultPage::closed);
    connect(use_, &QPushButton::clicked, this, [this] {
        useSettings(model_, result_);
        emit closed();
    });

    auto* buttons = new ButtonPair(keep_, use_, !wide_, bottom);
    QBoxLayout* layout = wide_ ? static_cast<QBoxLayout*>(new QHBoxLayout(bottom)) : new QVBoxLayout(bottom);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(wide_ ? 8 : 12);
    layout->addWidget(disclaimer, 1);
    layout->addWidget(buttons, 0);
    return bottom;
}

} // namespace quellarine
