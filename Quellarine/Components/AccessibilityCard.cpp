#include "Quellarine/Components/AccessibilityCard.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Card.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Components/TapFailedNotice.h"
#include "Quellarine/Desktop/DeviceAccess.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QCoreApplication>

#include <QLabel>
#include <QVBoxLayout>

namespace quellarine {

namespace {

QLabel* secondaryText(const QString& text, Typography::TextStyle style)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(Typography::font(style));
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

} // namespace

AccessibilityCard::AccessibilityCard(AppModel& model, QWidget* parent)
    : QWidget(parent)
    , model_(model)
{
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);

    headline_ = new SymbolLabel(QString(), QString(), Typography::font(Typography::TextStyle::headline));
    explanation_ = secondaryText(QString(), Typography::TextStyle::callout);
    command_ = new QLabel(DeviceAccess::installCommand(QCoreApplication::applicationFilePath()));
    command_->setTextFormat(Qt::PlainText);
    command_->setWordWrap(true);
    command_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    command_->setFont(Typography::system(13, QFont::Normal, Typography::Design::monospaced));
    button_ = new ProminentButton(tr("Show What's Needed"), Brand::accent);
    hint_ = secondaryText(tr("Already ran it but still not working? The access goes to whoever is logged in at this "
                             "computer's own screen: log out and in again there, then open Quellarine."),
                          Typography::TextStyle::caption);

    column->addWidget(headline_);
    column->addWidget(explanation_);
    column->addWidget(command_);
    column->addWidget(button_, 0, Qt::AlignLeading);
    column->addWidget(hint_);

    card_ = new Card(content);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(card_);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    // The card does not wait for an answer: the permission watch changes `maySteerPointer` when the user is done.
    connect(button_, &QPushButton::clicked, this, [this] { model_.requestAccessibility(); });
    connect(&model_, &AppModel::maySteerPointerChanged, this, &AccessibilityCard::refresh);
    connect(&model_, &AppModel::tapFailedChanged, this, &AccessibilityCard::refresh);
    refresh();
}

AccessibilityCard::State AccessibilityCard::state() const
{
    if (!model_.maySteerPointer()) {
        return State::needed;
    }
    return model_.tapFailed() ? State::waiting : State::given;
}

void AccessibilityCard::refresh()
{
    const State now = state();
    card_->setTint(now == State::given ? std::optional<DynamicColor>(Brand::accent) : std::nullopt);
    switch (now) {
    case State::needed:
        headline_->setText(tr("Allow Access to the Pointer"));
        headline_->setSymbol(QStringLiteral("1.circle.fill"));
        headline_->setColor(std::nullopt);
        // This computer's real requirement: the pointing devices and the kernel's virtual input devices, given to
        // the user at the computer by the one command the card shows.
        explanation_->setText(tr("This computer asks for this so Quellarine can adjust the pointer. Run this command "
                                 "once in a terminal and enter your password. Nothing you type or click is recorded "
                                 "or sent anywhere."));
        break;
    case State::waiting:
        headline_->setText(tr("Access given, waiting for the system"));
        headline_->setSymbol(QStringLiteral("exclamationmark.circle.fill"));
        headline_->setColor(std::nullopt);
        explanation_->setText(TapFailedNotice::tr("The system didn't let Quellarine watch the pointer. Quit and open "
                                                  "it again."));
        break;
    case State::given:
        headline_->setText(tr("Quellarine can reach the pointer"));
        headline_->setSymbol(QStringLiteral("checkmark.circle.fill"));
        headline_->setColor(Brand::accent);
        explanation_->setText(tr("The access is given: there is nothing to run. Nothing you type or click is recorded "
                                 "or sent anywhere."));
        break;
    }
    // The command, the way to the full explanation and the hint belong to the step that asks for the command.
    const bool asking = now == State::needed;
    command_->setVisible(asking);
    button_->setVisible(asking);
    hint_->setVisible(asking);
}

} // namespace quellarine
