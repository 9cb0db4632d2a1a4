#include "Quellarine/Pages/Help/HelpPage.h"

#include "Quellarine/Components/AccessibilityCard.h"
#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Card.h"
#include "Quellarine/Pages/Help/LinkButton.h"
#include "Quellarine/Components/PageTitle.h"
#include "Quellarine/Components/ToggleSwitch.h"
#include "Quellarine/Model/UpdateController.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Components/PlainText.h"

#include "QuellarineKit/Services/Product.h"

#include <QDesktopServices>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

namespace quellarine {

namespace {

// Shown for the site when its address names no host.
const QString fixedSiteHost = QStringLiteral("temrid.com");

QLabel* footerLine(const QString& content)
{
    return plainText(content, Typography::font(Typography::TextStyle::callout), true);
}

} // namespace

QString HelpPage::siteLinkText(const WebAddress& page)
{
    const QString host = QUrl(QString::fromStdString(page.text()), QUrl::StrictMode).host(QUrl::FullyEncoded);
    return host.isEmpty() ? fixedSiteHost : host;
}

HelpPage::HelpPage(AppModel& model, OpenWindow openWindow, std::optional<WebAddress> site, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , openWindow_(std::move(openWindow))
{
    UpdateController& updates = model_.updates();

    accessibilityCard_ = new AccessibilityCard(model_);

    welcome_ = new LinkButton(tr("Show the welcome guide again"), QStringLiteral("hand.wave"), Brand::accent);
    feedback_ = new LinkButton(tr("Questions or problems? Write to us here in Quellarine"),
                               QStringLiteral("text.bubble"), Brand::accent);
    if (site) {
        site_ = new LinkButton(siteLinkText(*site), QStringLiteral("safari"), Brand::accent);
    }
    update_ = new LinkButton(tr("Check for Updates…"), QStringLiteral("arrow.down.circle"), Brand::accent);

    auto* actions = new QWidget;
    auto* actionColumn = new QVBoxLayout(actions);
    actionColumn->setContentsMargins(0, 0, 0, 0);
    actionColumn->setSpacing(12);
    for (QAbstractButton* action : {welcome_, feedback_, site_, update_}) {
        if (action) {
            actionColumn->addWidget(action, 0, Qt::AlignLeading);
        }
    }

    automatic_ = new ToggleSwitch(tr("Check for updates automatically"), ToggleSwitch::Label::shown);

    version_ = footerLine(tr("Version %1").arg(UpdateController::appVersion()));
    auto* footer = new QVBoxLayout;
    footer->setContentsMargins(0, 0, 0, 0);
    footer->setSpacing(4);
    footer->addWidget(version_);
    footer->addWidget(
        footerLine(tr("Quellarine is not a medical device and does not diagnose or treat any condition.")));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    layout->addWidget(new PageTitle(tr("Help"),
                                    tr("Quellarine smooths out shaking in the pointer and ignores "
                                       "accidental clicks, in every app.")));
    layout->addWidget(accessibilityCard_);
    layout->addWidget(new Card(actions));
    layout->addWidget(automatic_, 0, Qt::AlignLeading);
    layout->addLayout(footer);

    connect(welcome_, &QAbstractButton::clicked, this, [this] {
        if (openWindow_) {
            openWindow_(QStringLiteral("welcome"));
        }
    });
    connect(feedback_, &QAbstractButton::clicked, this, [this] { model_.openFeedback(FeedbackStore::Source::help); });
    if (site_) {
        connect(site_, &QAbstractButton::clicked, this,
                [url = QUrl(QString::fromStdString(site->text()))] { QDesktopServices::openUrl(url); });
    }
    connect(update_, &QAbstractButton::clicked, this, [this] { model_.updates().checkForUpdates(); });
    // The updater keeps the choice; the page only hands the user's flips to the controller.
    connect(automatic_, &ToggleSwitch::switched, this,
            [this](bool on) { model_.updates().setAutomaticallyChecks(on); });

    connect(&updates, &UpdateController::canCheckChanged, this, &HelpPage::refreshUpdates);
    connect(&updates, &UpdateController::automaticallyChecksChanged, this, &HelpPage::refreshUpdates);
    refreshUpdates();
}

void HelpPage::refreshUpdates()
{
    const UpdateController& updates = model_.updates();
    update_->setEnabled(updates.canCheck());
    // Only the controller's own value is shown here; writing it back would be a second write.
    automatic_->setOn(updates.automaticallyChecks());
}

} // namespace quellarine
