#include "Quellarine/Components/AccessibilityCard.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Card.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Desktop/Typography.h"

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
    // This computer's real requirement: the pointer is reached through an X11 session's input extensions.
    explanation_ = secondaryText(
        tr("This computer needs an X11 session so Quellarine can adjust the pointer. From any other session, log "
           "out, choose an X11 session at the login screen (often named \u201Con Xorg\u201D or \u201CX11\u201D) "
           "and log in again. Nothing you type or click is recorded or sent anywhere."),
        Typography::TextStyle::callout);
    button_ = new ProminentButton(tr("Show What's Needed"), Brand::accent);
    hint_ = secondaryText(tr("Already in an X11 session but still not working? The X server must offer the XInput2 "
                             "and XTest extensions: turn them on in its settings, then open Quellarine again."),
                          Typography::TextStyle::caption);

    column->addWidget(headline_);
    column->addWidget(explanation_);
    column->addWidget(button_, 0, Qt::AlignLeading);
    column->addWidget(hint_);

    card_ = new Card(content);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(card_);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    // The card does not wait for an answer: the permission watch changes `isTrusted` when the user is done.
    connect(button_, &QPushButton::clicked, this, [this] { model_.requestAccessibility(); });
    connect(&model_, &AppModel::isTrustedChanged, this, &AccessibilityCard::refresh);
    refresh();
}

void AccessibilityCard::refresh()
{
    const bool trusted = model_.isTrusted();
    card_->setTint(trusted ? std::optional<DynamicColor>(Brand::accent) : std::nullopt);
    if (trusted) {
        headline_->setText(tr("Quellarine can reach the pointer"));
        headline_->setSymbol(QStringLiteral("checkmark.circle.fill"));
        headline_->setColor(Brand::accent);
    } else {
        headline_->setText(tr("Use an X11 Session"));
        headline_->setSymbol(QStringLiteral("1.circle.fill"));
        headline_->setColor(std::nullopt);
    }
    button_->setVisible(!trusted);
    hint_->setVisible(!trusted);
}

} // namespace quellarine
