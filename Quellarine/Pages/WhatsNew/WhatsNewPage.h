#pragma once

#include "QuellarineKit/Research/ReleaseNote.h"

#include <QList>
#include <QWidget>

#include <vector>

namespace quellarine {

class AppModel;
class EmptyState;
class NoteCard;
class UpdateBanner;

// The page of the main window's what's-new section: every release's notes as a card, newest first, the running
// version's card marked, a newer version offered while the updater knows one, and an empty state when the
// application carries no notes. Showing the page counts as having seen the running version's notes.
class WhatsNewPage : public QWidget {
    Q_OBJECT

public:
    static constexpr int spacing = 22;

    // With the notes the application carries.
    explicit WhatsNewPage(AppModel& model);
    WhatsNewPage(AppModel& model, const std::vector<ReleaseNote>& notes, QWidget* parent = nullptr);

    // The notes in the application's resources, in the language it runs in: read the first time they are asked
    // for and kept for the rest of the run. None when the resources hold no notes.
    static const std::vector<ReleaseNote>& shippedNotes();
    // Where the application's resources keep them.
    static const QString notesPath;

    UpdateBanner* banner() const { return banner_; }
    // None when there are notes.
    EmptyState* emptyState() const { return emptyState_; }
    const QList<NoteCard*>& cards() const { return cards_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refreshBanner();

    AppModel& model_;
    UpdateBanner* banner_;
    EmptyState* emptyState_ = nullptr;
    QList<NoteCard*> cards_;
};

} // namespace quellarine
