#include "Quellarine/Pages/WhatsNew/WhatsNewPage.h"

#include "Quellarine/Components/PageTitle.h"
#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Desktop/Resources.h"
#include "Quellarine/Desktop/ResourceNoteFolder.h"
#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Model/UpdateController.h"
#include "Quellarine/Pages/WhatsNew/EmptyState.h"
#include "Quellarine/Pages/WhatsNew/NoteCard.h"
#include "Quellarine/Pages/WhatsNew/UpdateBanner.h"

#include "QuellarineKit/Research/ReleaseNotes.h"

#include <QFileInfo>
#include <QVBoxLayout>

namespace quellarine {

const QString WhatsNewPage::notesPath = QStringLiteral(":/release-notes");

const std::vector<ReleaseNote>& WhatsNewPage::shippedNotes()
{
    static const std::vector<ReleaseNote> notes = [] {
        Resources::ensureLoaded();
        if (!QFileInfo(notesPath).isDir()) {
            return std::vector<ReleaseNote>{};
        }
        return ReleaseNotes::load(ResourceNoteFolder(notesPath), Localization::current().toStdString());
    }();
    return notes;
}

WhatsNewPage::WhatsNewPage(AppModel& model)
    : WhatsNewPage(model, shippedNotes())
{
}

WhatsNewPage::WhatsNewPage(AppModel& model, const std::vector<ReleaseNote>& notes, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , banner_(new UpdateBanner(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    layout->addWidget(
        new PageTitle(tr("What's New"), tr("Every Quellarine update, newest first. Updates are free for life.")));
    layout->addWidget(banner_);
    if (notes.empty()) {
        emptyState_
            = new EmptyState(tr("No release notes"), QStringLiteral("megaphone"),
                             tr("They're part of the app download. Check for Updates to get the latest version."));
        layout->addWidget(emptyState_);
    }
    const std::string running = UpdateController::appVersion().toStdString();
    for (const ReleaseNote& note : notes) {
        cards_.append(new NoteCard(note, !running.empty() && note.version == running));
        layout->addWidget(cards_.back());
    }
    layout->addStretch(1);

    connect(banner_, &UpdateBanner::updateRequested, this, [this] { model_.updates().checkForUpdates(); });
    connect(&model_.updates(), &UpdateController::availableChanged, this, &WhatsNewPage::refreshBanner);
    refreshBanner();
}

void WhatsNewPage::refreshBanner()
{
    const std::optional<QString> available = model_.updates().available();
    if (available) {
        banner_->setVersion(*available);
    }
    banner_->setVisible(available.has_value());
}

void WhatsNewPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    model_.markWhatsNewSeen();
}

} // namespace quellarine
