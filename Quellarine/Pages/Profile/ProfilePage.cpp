#include "Quellarine/Pages/Profile/ProfilePage.h"

#include "Quellarine/Components/Card.h"
#include "Quellarine/Components/Divider.h"
#include "Quellarine/Components/PlainText.h"
#include "Quellarine/Components/Reveal.h"
#include "Quellarine/Components/Stacks.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Model/UpdateController.h"
#include "Quellarine/Pages/Profile/DetailField.h"
#include "Quellarine/Pages/Profile/PreferencesSection.h"
#include "Quellarine/Pages/Profile/ProfileHeader.h"
#include "Quellarine/Pages/Profile/ProfileRow.h"
#include "Quellarine/Pages/Profile/ProfileSection.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace quellarine {

namespace {

constexpr double headerDelay = 0;
constexpr double detailsDelay = 0.08;
constexpr double preferencesDelay = 0.16;
constexpr double writeToUsDelay = 0.30;

} // namespace

std::pair<QString, QString> ProfilePage::namePlaceholders(const QString& accountFullName)
{
    const QStringList words = accountFullName.split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty()) {
        return {tr("First name"), QString()};
    }
    return {words.front(), words.mid(1).join(u' ')};
}

ProfilePage::ProfilePage(AppModel& model, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , header_(new ProfileHeader(model))
{
    auto* layout = verticalStack(this, spacing);
    const QString accountFullName = model_.accountFullName();
    preferences_ = new PreferencesSection(model_);
    for (auto [block, delay] : {std::pair<QWidget*, double>{header_, headerDelay},
                                {buildDetails(accountFullName), detailsDelay},
                                {preferences_, preferencesDelay},
                                {buildWriteToUs(), writeToUsDelay}}) {
        Reveal::apply(*block, delay);
        layout->addWidget(block);
    }
    layout->addStretch(1);
    connect(&model_.profile(), &ProfileStore::detailsChanged, this, &ProfilePage::refreshDetails);
    refreshDetails();
}

QLineEdit* ProfilePage::field(const QString& label, const QString& prompt, QString ProfileStore::Details::*part)
{
    auto* edit = new DetailField(label, prompt);
    // Each edit assigns the whole details, which the store cleans and keeps.
    connect(edit, &QLineEdit::textEdited, this, [this, edit, part](const QString& text) {
        ProfileStore::Details details = model_.profile().details();
        details.*part = text;
        model_.profile().setDetails(details);
        // The field shows what was kept, also when the store kept the same as before (a character past the
        // limit, a control character), where it tells no one.
        const QString kept = model_.profile().details().*part;
        if (edit->text() != kept) {
            const int cursor = std::min<int>(edit->cursorPosition(), static_cast<int>(kept.size()));
            const QSignalBlocker quiet(edit);
            edit->setText(kept);
            edit->setCursorPosition(cursor);
        }
    });
    return edit;
}

QWidget* ProfilePage::buildDetails(const QString& accountFullName)
{
    details_
        = new ProfileSection(tr("Personal details"), tr("Shown only in Quellarine, on this computer. Never uploaded."));
    const auto [firstPrompt, lastPrompt] = namePlaceholders(accountFullName);
    firstName_ = field(tr("First name"), firstPrompt, &ProfileStore::Details::firstName);
    lastName_ = field(tr("Last name"), lastPrompt, &ProfileStore::Details::lastName);
    email_ = field(tr("Email"), QString::fromLatin1(emailPrompt), &ProfileStore::Details::email);
    email_->setInputMethodHints(Qt::ImhEmailCharactersOnly | Qt::ImhNoAutoUppercase);
    QVBoxLayout& content = details_->content();
    content.addWidget(new ProfileRow(tr("First name"), firstName_));
    content.addWidget(new Divider);
    content.addWidget(new ProfileRow(tr("Last name"), lastName_));
    content.addWidget(new Divider);
    content.addWidget(new ProfileRow(tr("Email"), email_));
    return details_;
}

QWidget* ProfilePage::buildWriteToUs()
{
    auto* section = new ProfileSection(QString(), QString());
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    auto* texts = new QWidget;
    auto* column = verticalStack(texts, 2);
    column->addWidget(plainText(tr("Quellarine %1").arg(UpdateController::appVersion()),
                                Typography::font(Typography::TextStyle::body)));
    column->addWidget(plainText(tr("A question, an idea, something that didn't work. Every message is read."),
                                Typography::font(Typography::TextStyle::callout), true));
    layout->addWidget(texts, 1);
    layout->addSpacing(12);
    writeToUs_ = new QPushButton(tr("Write to us"));
    writeToUs_->setAutoDefault(true);
    layout->addWidget(writeToUs_, 0, Qt::AlignVCenter);
    connect(writeToUs_, &QPushButton::clicked, this, [this] { model_.openFeedback(FeedbackStore::Source::profile); });
    section->content().addWidget(row);
    return section;
}

void ProfilePage::refreshDetails()
{
    const ProfileStore::Details& details = model_.profile().details();
    for (auto [edit, text] : {std::pair{firstName_, details.firstName}, std::pair{lastName_, details.lastName},
                              std::pair{email_, details.email}}) {
        // Only what the store changed is put back, so typing keeps its place.
        if (edit->text() != text) {
            const QSignalBlocker quiet(edit);
            edit->setText(text);
        }
    }
}

} // namespace quellarine
