#include "Quellarine/Pages/Calibration/ExplainCard.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Pages/Calibration/DisclosureButton.h"
#include "Quellarine/Components/Notice.h"
#include "Quellarine/Components/PlainText.h"
#include "Quellarine/Components/PresetSymbolView.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/Stacks.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Model/PresetTexts.h"
#include "Quellarine/Model/ProfileStore.h"

#include <QAccessible>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

namespace quellarine {

namespace {

QLabel* textLabel(const QString& text, Typography::TextStyle style, bool secondary = false)
{
    return plainText(text, Typography::font(style), secondary);
}

// Text that came from the service: shown as it is written, never as markup, and selectable.
QLabel* serviceText(const QString& text, Typography::TextStyle style)
{
    QLabel* label = textLabel(text, style);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

// The 38-point tile with the sparkles, filled with the brand gradient.
class SparklesTile final : public QWidget {
public:
    SparklesTile() { setFixedSize(38, 38); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(ContinuousShape::roundedRect(rect(), 10), Brand::gradient(rect(), *this));
        const qreal side = Symbols::sideFor(Typography::pixelSize(Typography::TextStyle::title3));
        Symbols::paint(painter, QRectF((width() - side) / 2, (height() - side) / 2, side, side),
                       QStringLiteral("sparkles"), Qt::white, Symbols::Weight::bold);
    }
};

} // namespace

ExplainCard::ExplainCard(AppModel& model, CalibrationResult result, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , result_(std::move(result))
{
    layout_ = verticalStack(this, 12);
    layout_->setContentsMargins(16, 16, 16, 16);

    auto* header = new QHBoxLayout;
    header->setSpacing(12);
    header->addWidget(new SparklesTile, 0, Qt::AlignTop);
    auto* titles = new QWidget;
    auto* titleColumn = verticalStack(titles, 3);
    titleColumn->addWidget(textLabel(tr("Your result, explained by AI"), Typography::TextStyle::headline));
    titleColumn->addWidget(textLabel(tr("Claude, Anthropic's AI, puts these numbers into plain words and tunes a "
                                        "preset to them: a personal setting for your hand."),
                                     Typography::TextStyle::callout, true));
    header->addWidget(titles, 1);
    layout_->addLayout(header);
    rebuild();

    ExplainStore& store = model_.explain();
    connect(&store, &ExplainStore::stateChanged, this, &ExplainCard::rebuild);
    connect(&store, &ExplainStore::savedChanged, this, &ExplainCard::rebuild);
    connect(&model_, &AppModel::presetIDChanged, this, &ExplainCard::rebuild);
    connect(&model_, &AppModel::personalChanged, this, &ExplainCard::rebuild);
    connect(&model_.profile(), &ProfileStore::deviceChanged, this, &ExplainCard::rebuild);
}

QString ExplainCard::failureSentence(ExplainStore::Failure failure)
{
    switch (failure) {
    case ExplainStore::Failure::offline:
        return tr("Quellarine couldn't reach the internet. The suggestion above doesn't need it: it was worked out on "
                  "this computer.");
    case ExplainStore::Failure::usedToday:
        return tr("You've had today's three explanations. Try again tomorrow.");
    case ExplainStore::Failure::busyToday:
        return tr("Many people asked for an explanation today. Try again tomorrow.");
    case ExplainStore::Failure::unavailable:
        return tr(
            "Explanations aren't available right now. Try again later; the suggestion above works just the same.");
    }
    return {};
}

void ExplainCard::rebuild()
{
    const QWidget* focused = QApplication::focusWidget();
    const bool hadFocus = body_ && body_->isAncestorOf(focused);
    if (body_) {
        body_->hide();
        body_->deleteLater();
    }
    explanation_ = nullptr;
    ask_ = nullptr;
    numbersToggle_ = nullptr;
    numbers_ = nullptr;
    failure_ = nullptr;
    spinner_ = nullptr;
    summary_ = nullptr;
    try_ = nullptr;
    inUse_ = nullptr;

    const auto explanation = model_.explain().explanation(result_);
    body_ = explanation ? buildExplanation(*explanation) : buildAsking();
    layout_->addWidget(body_);
    if (isVisible()) {
        body_->show();
    }
    // The control that had the keyboard is gone: the new block's first control takes it.
    if (hadFocus) {
        QWidget* next = explanation ? (try_ ? static_cast<QWidget*>(try_) : summary_)
                                    : (ask_->isEnabled() ? static_cast<QWidget*>(ask_) : numbersToggle_);
        next->setFocus(Qt::OtherFocusReason);
    }
    if (failure_) {
        QAccessibleEvent alert(failure_, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

QWidget* ExplainCard::buildExplanation(const ExplainStore::Explanation& explanation)
{
    explanation_ = new QWidget;
    auto* layout = verticalStack(explanation_, 10);
    summary_ = serviceText(explanation.summary, Typography::TextStyle::title3);
    layout->addWidget(summary_);
    for (const QString& point : explanation.points) {
        auto* row = new SymbolLabel(point, QStringLiteral("checkmark.circle.fill"),
                                    Typography::font(Typography::TextStyle::body));
        row->setSymbolColor(Brand::accent);
        row->label()->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        layout->addWidget(row);
    }
    if (explanation.setting && explanation.setting->preset()) {
        layout->addWidget(buildSettingRow(*explanation.setting));
    }
    layout->addSpacing(2);
    layout->addWidget(textLabel(tr("Written by AI (Claude) from your result's numbers. The measurement is "
                                   "Quellarine's own, on this computer, and AI's setting stays within the range of "
                                   "Quellarine's presets."),
                                Typography::TextStyle::callout, true));
    return explanation_;
}

QWidget* ExplainCard::buildSettingRow(const PersonalSetting& setting)
{
    // A faint rounded panel behind the row.
    class Panel final : public QWidget {
    protected:
        void paintEvent(QPaintEvent*) override
        {
            QPainter painter(this);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.fillPath(ContinuousShape::roundedRect(rect(), 10),
                             withOpacity(palette().color(QPalette::WindowText), 0.04));
        }
    };
    auto* row = new Panel;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    auto* symbol = new PresetSymbolView(FilterPreset::ID::personal, 1.1, Brand::accent);
    symbol->setFixedWidth(34);
    layout->addWidget(symbol);

    auto* texts = new QWidget;
    auto* textColumn = verticalStack(texts, 3);
    textColumn->addWidget(textLabel(tr("AI's personal setting"), Typography::TextStyle::headline));
    const QString base = QStringLiteral("<b>%1</b>").arg(presetTitle(setting.base).toHtmlEscaped());
    QString sentence;
    switch (setting.change()) {
    case PersonalSetting::Change::steadier:
        sentence = tr("A little steadier than %1, from your numbers.").toHtmlEscaped().arg(base);
        break;
    case PersonalSetting::Change::quicker:
        sentence = tr("A little quicker than %1, from your numbers.").toHtmlEscaped().arg(base);
        break;
    case PersonalSetting::Change::same:
        sentence = tr("%1 as it is: it already fits your numbers.").toHtmlEscaped().arg(base);
        break;
    }
    // Our own sentence with the preset's name in bold; nothing from the service goes into it.
    auto* change = new QLabel(sentence);
    change->setTextFormat(Qt::RichText);
    change->setWordWrap(true);
    change->setFont(Typography::font(Typography::TextStyle::callout));
    change->setForegroundRole(QPalette::PlaceholderText);
    textColumn->addWidget(change);
    layout->addWidget(texts, 1);

    const bool inUse = model_.presetID() == FilterPreset::ID::personal && model_.personal() == setting;
    if (inUse) {
        QFont font = Typography::font(Typography::TextStyle::body);
        font.setWeight(QFont::DemiBold);
        inUse_ = new SymbolLabel(tr("In use"), QStringLiteral("checkmark.circle.fill"), font, Brand::accent);
        inUse_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        layout->addWidget(inUse_);
    } else {
        try_ = new ProminentButton(tr("Try it"), Brand::accent);
        try_->setAccessibleDescription(tr("AI's personal setting"));
        connect(try_, &QAbstractButton::clicked, this, [this, setting] { model_.applyPersonal(setting); });
        layout->addWidget(try_);
    }
    return row;
}

QWidget* ExplainCard::buildAsking()
{
    auto* block = new QWidget;
    auto* layout = verticalStack(block, 10);
    const ExplainStore& store = model_.explain();

    auto* lock = new SymbolLabel(tr("Only the numbers below are sent: never the recording, your name or your email "
                                    "address."),
                                 QStringLiteral("lock"), Typography::font(Typography::TextStyle::callout));
    layout->addWidget(lock);

    numbersToggle_ = new DisclosureButton(tr("See exactly what is sent"));
    numbersToggle_->setChecked(showNumbers_);
    numbersToggle_->setFont(Typography::font(Typography::TextStyle::callout));
    layout->addWidget(numbersToggle_, 0, Qt::AlignLeading);
    const std::optional<ProfileStore::Device> device = model_.profile().device();
    numbers_ = serviceText(store.numbersPreview(result_, device), Typography::TextStyle::callout);
    numbers_->setFont(Typography::system(Typography::pixelSize(Typography::TextStyle::callout), QFont::Normal,
                                         Typography::Design::monospaced));
    numbers_->setContentsMargins(0, 6, 0, 0);
    // Its lines are field names and numbers, which read left to right in every language; the block still starts
    // at the reading edge, as the rest of the card does.
    numbers_->setAlignment(Qt::AlignAbsolute | Qt::AlignTop
                           | (layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft));
    numbers_->setVisible(showNumbers_);
    numbers_->setAccessibleName(tr("See exactly what is sent"));
    layout->addWidget(numbers_);
    connect(numbersToggle_, &QAbstractButton::toggled, this, [this](bool open) {
        showNumbers_ = open;
        numbers_->setVisible(open);
    });

    // Only a failure of asking about this very result: a new result starts afresh.
    const ExplainStore::State state = store.state();
    if (const auto failure = store.failure(result_)) {
        failure_ = new Notice(failureSentence(*failure), false);
        failure_->setAccessibleName(failureSentence(*failure));
        layout->addWidget(failure_);
    }

    const bool asking = state.kind == ExplainStore::State::Kind::asking;
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(textLabel(tr("Up to three a day."), Typography::TextStyle::callout, true));
    row->addStretch(1);
    if (asking) {
        spinner_ = new QProgressBar;
        spinner_->setRange(0, 0);
        spinner_->setTextVisible(false);
        spinner_->setFixedSize(48, 6);
        spinner_->setAccessibleName(tr("Writing…"));
        row->addWidget(spinner_);
    }
    auto* ask = new ProminentButton(asking ? tr("Writing…") : tr("Explain with AI"), Brand::accent);
    ask->setSymbol(QStringLiteral("sparkles"));
    ask_ = ask;
    ask_->setEnabled(!asking);
    connect(ask_, &QAbstractButton::clicked, this,
            [this] { model_.explain().ask(result_, model_.profile().device()); });
    row->addWidget(ask_);
    layout->addLayout(row);
    return block;
}

void ExplainCard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor accent = Brand::accent.resolve(*this);
    ContinuousShape::draw(painter, rect(), 14, withOpacity(accent, 0.07), withOpacity(accent, 0.20), 1);
}

} // namespace quellarine
