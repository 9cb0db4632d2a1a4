#include "Quellarine/Shell/UpdaterWindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace quellarine {

UpdaterWindow::UpdaterWindow(Answers answers, QWidget* parent)
    : QDialog(parent)
    , answers_(std::move(answers))
    , heading_(new QLabel(this))
    , message_(new QLabel(this))
    , progress_(new QProgressBar(this))
    , releaseNotes_(new QPushButton(tr("Release Notes"), this))
    , buttons_(new QDialogButtonBox(this))
{
    setObjectName(QStringLiteral("softwareUpdate"));
    setWindowTitle(tr("Software Update"));
    setAttribute(Qt::WA_DeleteOnClose);

    QFont headingFont = heading_->font();
    headingFont.setBold(true);
    heading_->setFont(headingFont);
    for (QLabel* label : {heading_, message_}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    progress_->setRange(0, 0);
    progress_->setTextVisible(false);
    releaseNotes_->setObjectName(QStringLiteral("releaseNotesButton"));
    // Drawn as a link: it opens a page in the browser.
    releaseNotes_->setFlat(true);
    QFont linkFont = releaseNotes_->font();
    linkFont.setUnderline(true);
    releaseNotes_->setFont(linkFont);
    QPalette linkPalette = releaseNotes_->palette();
    linkPalette.setColor(QPalette::ButtonText, linkPalette.color(QPalette::Link));
    releaseNotes_->setPalette(linkPalette);
    releaseNotes_->setCursor(Qt::PointingHandCursor);
    connect(releaseNotes_, &QPushButton::clicked, this, &UpdaterWindow::releaseNotesRequested);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(10);
    layout->addWidget(heading_);
    layout->addWidget(message_);
    layout->addWidget(progress_);
    layout->addWidget(releaseNotes_, 0, Qt::AlignLeft);
    layout->addSpacing(6);
    layout->addWidget(buttons_);
    setMinimumWidth(420);

    const auto forward = [](const std::function<void()>& answer) {
        if (answer) {
            answer();
        }
    };
    connect(this, &UpdaterWindow::checkCancelled, this, [this, forward] { forward(answers_.cancelCheck); });
    connect(this, &UpdaterWindow::versionHistoryRequested, this,
            [this, forward] { forward(answers_.showVersionHistory); });
    connect(this, &UpdaterWindow::releaseNotesRequested, this, [this, forward] { forward(answers_.showReleaseNotes); });
    connect(this, &UpdaterWindow::choiceMade, this, [this](UserUpdateChoice choice) {
        if (answers_.choose) {
            answers_.choose(choice);
        }
    });
    connect(this, &QDialog::finished, this, &UpdaterWindow::reportClosed);
}

UpdaterWindow::~UpdaterWindow()
{
    // Deleted without being closed (its owner went first): the updater must still forget it.
    reportClosed();
}

void UpdaterWindow::reportClosed()
{
    if (auto closed = std::exchange(answers_.closed, nullptr)) {
        closed();
    }
}

void UpdaterWindow::present()
{
    show();
    raise();
    activateWindow();
}

QPushButton* UpdaterWindow::addButton(const QString& text, const QString& objectName)
{
    auto* button = buttons_->addButton(text, QDialogButtonBox::ActionRole);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

void UpdaterWindow::present(State state, const QString& heading, const QString& message)
{
    state_ = state;
    heading_->setText(heading);
    message_->setText(message);
    message_->setVisible(!message.isEmpty());
    progress_->setVisible(state == State::checking);
    releaseNotes_->hide();
    buttons_->clear();
}

void UpdaterWindow::showChecking()
{
    present(State::checking, tr("Checking for updates…"), {});
    connect(addButton(tr("Cancel"), QStringLiteral("cancelButton")), &QPushButton::clicked, this,
            &UpdaterWindow::reject);
}

void UpdaterWindow::showNoUpdate(const QString& appVersion)
{
    present(State::noUpdate, tr("You're up to date!"),
            tr("Quellarine %1 is currently the newest version available.").arg(appVersion));
    auto* ok = addButton(tr("OK"), QStringLiteral("okButton"));
    connect(ok, &QPushButton::clicked, this, &UpdaterWindow::accept);
    connect(addButton(tr("Version History"), QStringLiteral("versionHistoryButton")), &QPushButton::clicked, this,
            &UpdaterWindow::versionHistoryRequested);
    ok->setDefault(true);
    ok->setFocus();
}

void UpdaterWindow::showUpdateFound(const AppcastItem& item, const QString& appVersion)
{
    choiceReported_ = false;
    present(State::updateFound, tr("A new version of Quellarine is available!"),
            tr("Quellarine %1 is now available; you have %2. Would you like to open its download page now?")
                .arg(item.displayVersionString, appVersion));
    releaseNotes_->setVisible(!item.releaseNotesURL.isEmpty());
    connect(addButton(tr("Skip This Version"), QStringLiteral("skipButton")), &QPushButton::clicked, this,
            [this] { choose(UserUpdateChoice::skip); });
    connect(addButton(tr("Remind Me Later"), QStringLiteral("laterButton")), &QPushButton::clicked, this,
            [this] { choose(UserUpdateChoice::dismiss); });
    auto* install = addButton(tr("Open Download Page"), QStringLiteral("installButton"));
    connect(install, &QPushButton::clicked, this, [this] { choose(UserUpdateChoice::install); });
    install->setDefault(true);
    install->setFocus();
}

void UpdaterWindow::showError(const QString& message)
{
    present(State::error, tr("Quellarine couldn't check for updates."), message);
    auto* ok = addButton(tr("OK"), QStringLiteral("okButton"));
    connect(ok, &QPushButton::clicked, this, &UpdaterWindow::accept);
    ok->setDefault(true);
    ok->setFocus();
}

void UpdaterWindow::choose(UserUpdateChoice choice)
{
    choiceReported_ = true;
    emit choiceMade(choice);
    accept();
}

// Escape, the close button and "Cancel" all end here.
void UpdaterWindow::reject()
{
    if (state_ == State::checking) {
        emit checkCancelled();
    } else if (state_ == State::updateFound && !choiceReported_) {
        // Closing the window without a choice is "later".
        choiceReported_ = true;
        emit choiceMade(UserUpdateChoice::dismiss);
    }
    QDialog::reject();
}

} // namespace quellarine
