#pragma once

#include "QuellarineKit/Research/ReleaseNote.h"

#include <QList>
#include <QWidget>

class QLabel;

namespace quellarine {

class CapsuleText;
class MarkdownText;
class NoteItem;

// One release's notes on a card: the version in a pill and the headline, the intro under them and the items
// as a bulleted list. The running version's card carries the "This version" badge, an accent border and
// accent bullets.
class NoteCard : public QWidget {
    Q_OBJECT

public:
    static constexpr int padding = 16;
    static constexpr int spacing = 10;
    static constexpr int itemSpacing = 7;
    static constexpr qreal cornerRadius = 12;

    NoteCard(const ReleaseNote& note, bool current, QWidget* parent = nullptr);

    const ReleaseNote& note() const { return note_; }
    bool isCurrent() const { return current_; }
    CapsuleText* versionPill() const { return versionPill_; }
    QLabel* headline() const { return headline_; }
    // None unless the card is the running version's.
    CapsuleText* badge() const { return badge_; }
    // None when the note has no intro.
    MarkdownText* intro() const { return intro_; }
    const QList<NoteItem*>& items() const { return items_; }

    QColor borderColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ReleaseNote note_;
    bool current_;
    CapsuleText* versionPill_;
    QLabel* headline_;
    CapsuleText* badge_ = nullptr;
    MarkdownText* intro_ = nullptr;
    QList<NoteItem*> items_;
};

} // namespace quellarine
