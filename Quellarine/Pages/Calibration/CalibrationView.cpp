#include "Quellarine/Pages/Calibration/CalibrationView.h"
#include "Quellarine/Pages/Calibration/StepTransition.h"

#include "Quellarine/Pages/Calibration/AIBadge.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Divider.h"
#include "Quellarine/Components/FocusChain.h"
#include "Quellarine/Pages/Calibration/ExplainCard.h"
#include "Quellarine/Components/PlainText.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/Reveal.h"
#include "Quellarine/Components/Stacks.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Model/ProfileStore.h"
#include "Quellarine/Model/CalibrationAnalysis.h"
#include "Quellarine/Pages/Calibration/CalibrationStage.h"
#include "Quellarine/Pages/Calibration/LastResultCard.h"
#include "Quellarine/Pages/Calibration/ShortcutsSection.h"
#include "Quellarine/Pages/Calibration/StepCard.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace quellarine {

namespace {

bool onStage(CalibrationSession::Step step)
{
    using Step = CalibrationSession::Step;
    return step == Step::hold || step == Step::follow || step == Step::clicks;
}

} // namespace

CalibrationView::CalibrationView(AppModel& model, QWidget* parent, std::function<double()> clock)
    : QWidget(parent)
    , model_(model)
    , session_(std::move(clock))
{
    layout_ = verticalStack(this, spacing);

    // The header: the title with its badge, the step's caption, and Cancel or Done.
    auto* header = new QWidget(this);
    auto* headerRow = new QHBoxLayout(header);
    headerRow->setContentsMargins(0, 0, 0, 0);
    auto* titles = new QVBoxLayout;
    titles->setSpacing(4);
    titleLine_ = new QGridLayout;
    titleLine_->setContentsMargins(0, 0, 0, 0);
    title_ = new QLabel(tr("Tuned to your hand"), header);
    title_->setTextFormat(Qt::PlainText);
    title_->setFont(Typography::system(26, QFont::Bold, Typography::Design::rounded));
    title_->setAccessibleName(title_->text());
    badge_ = new AIBadge(false, header);
    titles->addLayout(titleLine_);
    caption_ = new QLabel(header);
    caption_->setTextFormat(Qt::PlainText);
    caption_->setWordWrap(true);
    caption_->setFont(Typography::font(Typography::TextStyle::title3));
    caption_->setForegroundRole(QPalette::PlaceholderText);
    titles->addWidget(caption_);
    headerRow->addLayout(titles, 1);
    headerButton_ = new QPushButton(header);
    headerButton_->setMinimumHeight(ProminentButton::height);
    headerRow->addWidget(headerButton_, 0, Qt::AlignTop);
    layout_->addWidget(header);
    placeBadge();
    connect(headerButton_, &QPushButton::clicked, this, &CalibrationView::reset);

    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape_->setContext(Qt::WindowShortcut);
    connect(escape_, &QShortcut::activated, headerButton_, &QPushButton::click);
    // Return is the intro's default action wherever the keyboard is on the page: it presses Start, never the
    // focused control (Space does that), so it cannot send the result's numbers by accident. Start is the page's
    // default button, which Return on the page's sidebar row presses too.
    return_ = new QShortcut(this);
    return_->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    return_->setContext(Qt::WidgetWithChildrenShortcut);
    return_->setAutoRepeat(false);
    connect(return_, &QShortcut::activated, this, [this] {
        if (startButton_ != nullptr) {
            startButton_->click();
        }
    });

    // Below the intro: the shortcuts.
    below_ = new QWidget(this);
    auto* belowLayout = verticalStack(below_, 0);
    belowLayout->addSpacing(10);
    belowLayout->addWidget(new Divider(below_));
    belowLayout->addSpacing(10 + spacing);
    shortcuts_ = new ShortcutsSection(model_, below_);
    belowLayout->addWidget(shortcuts_);
    layout_->addWidget(below_);
    layout_->addStretch(1);

    connect(&session_, &CalibrationSession::stepChanged, this, &CalibrationView::stepChanged);
    connect(&session_, &CalibrationSession::finished, this, &CalibrationView::finish);
    // Any change of section ends the pause at once; the page itself goes with it.
    connect(&model_, &AppModel::sectionChanged, this, &CalibrationView::stopCalibrating);
    connect(&model_.profile(), &ProfileStore::calibrationChanged, this, [this] {
        if (session_.step() == Step::intro) {
            rebuildBody();
        }
    });
    session_.setArea(stageSize(width_));
    stepChanged(Step::intro);
}

CalibrationView::~CalibrationView()
{
    stopCalibrating();
    setMoveCompression(false);
}

QString CalibrationView::caption(Step step)
{
    switch (step) {
    case Step::intro:
        return tr("A one-minute test, in three parts. Quellarine measures on this computer, then AI can explain your "
                  "result and tune a personal setting for you.");
    case Step::hold:
        return tr("1 of 3: Hold the pointer on the dot.");
    case Step::follow:
        return tr("2 of 3: Follow the dot with the pointer.");
    case Step::clicks:
        return tr("3 of 3: Click each target as it appears.");
    case Step::working:
        return tr("Trying every preset on your movement.");
    case Step::done:
        return tr("Your result");
    }
    return {};
}

QSizeF CalibrationView::stageSize(qreal pageWidth)
{
    const qreal width = std::min(std::max(pageWidth, 320.0), 640.0);
    return {width, std::min(std::max(width * 0.64, 300.0), 400.0)};
}

void CalibrationView::start()
{
    if (session_.step() != Step::intro) {
        return; // a test runs already
    }
    model_.setCalibrating(true);
    session_.setStep(Step::hold);
}

void CalibrationView::reset()
{
    model_.setCalibrating(false);
    session_.reset();
    result_.reset();
    replay_.reset();
    // Back from the result the intro shows the new last result.
    if (session_.step() == Step::intro) {
        stepChanged(Step::intro);
    }
}

void CalibrationView::stopCalibrating()
{
    model_.setCalibrating(false);
}

void CalibrationView::widthChanged(int width)
{
    width_ = width;
    const Step step = session_.step();
    if (step != Step::intro && step != Step::done) {
        return; // the stage keeps its size while a test runs
    }
    session_.setArea(stageSize(width));
    if ((width_ >= wideFrom) != builtWide_) {
        rebuildBody();
    }
}

void CalibrationView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeBadge();
    if (event->size().width() != width_) {
        widthChanged(event->size().width());
    }
}

void CalibrationView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Out of sight (the window closed or minimised, the page left) a running part cannot go on: smoothing and
    // the click guard come back at once, and the recording goes, as it would with the page. The stage goes
    // once the hiding is over, not from within it.
    stopCalibrating();
    if (onStage(session_.step())) {
        QMetaObject::invokeMethod(this, &CalibrationView::reset, Qt::QueuedConnection);
    }
}

void CalibrationView::placeBadge()
{
    const int room = width() > 0 ? width() - headerButton_->sizeHint().width() - 12 : initialWidth;
    const int title = QFontMetrics(title_->font()).horizontalAdvance(title_->text());
    const bool under = title + 10 + badge_->sizeHint().width() > room;
    if (under == badgeUnder_ && titleLine_->count() == 2) {
        return;
    }
    badgeUnder_ = under;
    titleLine_->removeWidget(title_);
    titleLine_->removeWidget(badge_);
    // On a line of its own the title takes the column's width and wraps in a column too narrow for it.
    title_->setWordWrap(under);
    titleLine_->addWidget(title_, 0, 0, under ? Qt::AlignVCenter : Qt::AlignLeading | Qt::AlignVCenter);
    if (under) {
        titleLine_->setVerticalSpacing(6);
        titleLine_->addWidget(badge_, 1, 0, Qt::AlignLeading);
        titleLine_->setColumnStretch(1, 0);
        titleLine_->setColumnStretch(0, 1);
    } else {
        titleLine_->setHorizontalSpacing(10);
        titleLine_->addWidget(badge_, 0, 1, Qt::AlignLeading | Qt::AlignVCenter);
        titleLine_->setColumnStretch(0, 0);
        titleLine_->setColumnStretch(1, 1);
    }
}

void CalibrationView::setMoveCompression(bool recording)
{
    // Qt merges pointer moves that arrive faster than it handles them; the test needs every one.
    if (recording && !savedCompression_) {
        savedCompression_ = QCoreApplication::testAttribute(Qt::AA_CompressHighFrequencyEvents);
        QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
    } else if (!recording && savedCompression_) {
        QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, *savedCompression_);
        savedCompression_.reset();
    }
}

void CalibrationView::stepChanged(Step step)
{
    // Read before the header button hides: hiding the focused Cancel would hand the focus on to the sidebar.
    const QWidget* focused = QApplication::focusWidget();
    focusWasHere_ = focused == nullptr || isAncestorOf(focused);
    caption_->setText(caption(step));
    caption_->setAccessibleName(caption_->text());
    const bool cancel = onStage(step);
    headerButton_->setText(cancel ? tr("Cancel") : tr("Done"));
    headerButton_->setAccessibleName(headerButton_->text());
    headerButton_->setVisible(cancel || step == Step::done);
    escape_->setEnabled(headerButton_->isVisibleTo(this));
    return_->setEnabled(step == Step::intro);
    below_->setVisible(step == Step::intro);
    setMoveCompression(cancel);
    if (step == Step::intro || step == Step::done) {
        // The width reported meanwhile applies from now on.
        session_.setArea(stageSize(width_));
    }
    // The stage stays through its three parts.
    if (!(cancel && stage_ != nullptr)) {
        rebuildBody();
    }
    focusWasHere_.reset();
    if (stage_ != nullptr) {
        stage_->setAccessibleDescription(caption_->text());
    }
}

void CalibrationView::finish()
{
    model_.setCalibrating(false);
    const std::optional<ProfileStore::Device> device = model_.profile().device();
    const bool trackpad = device == ProfileStore::Device::trackpad || device == ProfileStore::Device::both;
    CalibrationAnalysis::start(
        model_.profile(), session_.recording(trackpad), this, [this](const CalibrationAnalysis::Outcome& outcome) {
            if (session_.step() != Step::working) {
                return;
            }
            showResult(outcome.result, CalibrationResultPage::Replay{outcome.raw, outcome.steady});
        });
}

void CalibrationView::showResult(const CalibrationResult& result, std::optional<CalibrationResultPage::Replay> replay)
{
    result_ = result;
    replay_ = std::move(replay);
    session_.setStep(Step::done);
}

void CalibrationView::rebuildBody()
{
    // The focus moves to the new step's main control when it was on this page or nowhere (before the step
    // changed, when it is changing).
    const QWidget* focused = QApplication::focusWidget();
    const bool ours = focusWasHere_.value_or(focused == nullptr || isAncestorOf(focused));
    focusWasHere_.reset();
    const bool changing = body_ != nullptr;
    delete body_;
    body_ = nullptr;
    startButton_ = nullptr;
    lastResultCard_ = nullptr;
    explainCard_ = nullptr;
    stepCards_.clear();
    stage_ = nullptr;
    working_ = nullptr;
    resultPage_ = nullptr;
    builtWide_ = width_ >= wideFrom;

    QWidget* focus = nullptr;
    switch (session_.step()) {
    case Step::intro:
        body_ = buildIntro();
        focus = startButton_;
        break;
    case Step::hold:
    case Step::follow:
    case Step::clicks: {
        stage_ = new CalibrationStage(session_, this);
        body_ = stage_;
        focus = headerButton_;
        break;
    }
    case Step::working:
        body_ = buildWorking();
        break;
    case Step::done:
        body_ = new QWidget(this);
        if (result_) {
            auto* column = verticalStack(body_, 16);
            resultPage_ = new CalibrationResultPage(model_, *result_, replay_, builtWide_, body_);
            column->addWidget(resultPage_);
            connect(resultPage_, &CalibrationResultPage::closed, this, &CalibrationView::reset);
            focus = &resultPage_->useButton();
        } else {
            focus = headerButton_;
        }
        break;
    }
    layout_->insertWidget(1, body_);
    body_->show();
    if (changing) {
        StepTransition::apply(*body_);
    }
    // A keyboard that comes to the page ("Test Again" elsewhere) starts at the step's main control too.
    FocusChain::setEntry(*this, focus);
    if (focus != nullptr && ours) {
        focus->setFocus(Qt::OtherFocusReason);
    }
}

QWidget* CalibrationView::buildIntro()
{
    auto* intro = new QWidget(this);
    auto* layout = verticalStack(intro, 16);

    // The three parts.
    auto* cards = new QWidget(intro);
    QBoxLayout* cardLayout = builtWide_ ? static_cast<QBoxLayout*>(new QHBoxLayout(cards)) : new QVBoxLayout(cards);
    cardLayout->setContentsMargins(0, 0, 0, 0);
    cardLayout->setSpacing(builtWide_ ? 12 : 10);
    const struct {
        QString title;
        QString detail;
        const char* symbol;
    } parts[] = {
        {tr("Hold still"), tr("10 seconds on a dot"), "scope"},
        {tr("Follow"), tr("15 seconds after a moving dot"), "point.topleft.down.to.point.bottomright.curvepath"},
        {tr("Click"), tr("10 targets"), "target"},
    };
    for (const auto& part : parts) {
        auto* card = new StepCard(part.title, part.detail, QString::fromLatin1(part.symbol), builtWide_, cards);
        stepCards_.push_back(card);
        cardLayout->addWidget(card, 1);
    }
    Reveal::apply(*cards, 0.05);
    layout->addWidget(cards);

    // What to know before starting.
    auto* notes = new QWidget(intro);
    auto* noteLayout = verticalStack(notes, 10);
    const std::pair<QString, const char*> noteTexts[] = {
        {tr("Use the mouse or trackpad you normally use, the way you normally hold it. There's no right or wrong: "
            "the test only measures the pointer."),
         "hand.point.up.left"},
        {tr("Smoothing and the click guard pause during the test and come back after it."), "pause.circle"},
        {tr("The recording stays in memory and is deleted when you leave this page. Only the result is kept."), "lock"},
        {tr("Afterwards, AI (Claude) can explain your result and tune a personal setting for you, only if you ask. "
            "It reads the result's numbers, never the recording."),
         "sparkles"},
    };
    std::vector<SymbolLabel*> labels;
    for (const auto& [text, symbol] : noteTexts) {
        auto* note = new SymbolLabel(text, QString::fromLatin1(symbol), Typography::font(Typography::TextStyle::body),
                                     std::nullopt, notes);
        note->setSymbolColor(Brand::accent);
        labels.push_back(note);
        noteLayout->addWidget(note);
    }
    int symbolColumn = 0;
    for (SymbolLabel* label : labels) {
        symbolColumn = std::max(symbolColumn, label->symbolColumn());
    }
    for (SymbolLabel* label : labels) {
        label->setSymbolColumn(symbolColumn);
    }
    Reveal::apply(*notes, 0.1);
    layout->addWidget(notes);

    // The last result, with its own way to use it and its explanation.
    if (const std::optional<CalibrationResult>& last = model_.profile().calibration()) {
        auto* lastResult = new LastResultCard(model_, *last, intro);
        // Once the suggestion is in use, the next step is the test.
        connect(lastResult, &LastResultCard::focusReleased, this, [this] {
            if (startButton_ != nullptr) {
                startButton_->setFocus(Qt::OtherFocusReason);
            }
        });
        lastResultCard_ = lastResult;
        Reveal::apply(*lastResultCard_, 0.15);
        layout->addWidget(lastResultCard_);
        explainCard_ = new ExplainCard(model_, *last, intro);
        Reveal::apply(*explainCard_, 0.2);
        layout->addWidget(explainCard_);
    }

    auto* startRow = new QHBoxLayout;
    startRow->addStretch(1);
    const QString startTitle = model_.profile().calibration() ? tr("Test Again") : tr("Start the Test");
    auto* button = new ProminentButton(startTitle, Brand::accent, intro);
    button->setAccessibleName(startTitle);
    button->setSymbol(QStringLiteral("play.fill"));
    button->setMinimumHeight(ProminentButton::height + 8);
    button->setMinimumWidth(button->sizeHint().width() + 16);
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &CalibrationView::start);
    startButton_ = button;
    startRow->addWidget(button);
    layout->addLayout(startRow);
    return intro;
}

QWidget* CalibrationView::buildWorking()
{
    auto* working = new QWidget(this);
    working->setMinimumHeight(workingHeight);
    auto* layout = verticalStack(working, 10);
    layout->addStretch(1);
    auto* spinner = new QProgressBar(working);
    spinner->setRange(0, 0);
    spinner->setTextVisible(false);
    spinner->setMaximumWidth(240);
    spinner->setAccessibleName(tr("Working out your settings…"));
    QLabel* label = plainText(tr("Working out your settings…"), Typography::font(Typography::TextStyle::body), true);
    layout->addWidget(spinner, 0, Qt::AlignHCenter);
    layout->addWidget(label, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    working_ = working;
    return working;
}

} // namespace quellarine
