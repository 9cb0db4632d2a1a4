#pragma once

#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace quellarine {

class Card;

// A section of the profile page below its header: an optional title, a neutral card holding the section's
// content in a column, and an optional footer that wraps onto as many lines as it needs.
class ProfileSection : public QWidget {
    Q_OBJECT

public:
    static constexpr int spacing = 8;
    static constexpr int contentSpacing = 12;
    static constexpr int inset = 4;

    // Empty texts leave the title or the footer out; both are already localised.
    ProfileSection(const QString& title, const QString& footer, QWidget* parent = nullptr);

    // The column inside the card that the section's content goes into.
    QVBoxLayout& content() const { return *content_; }
    QLabel* titleLabel() const { return title_; }
    Card& card() const { return *card_; }

private:
    QLabel* title_ = nullptr;
    QLabel* footer_ = nullptr;
    Card* card_;
    QVBoxLayout* content_;
};

} // namespace quellarine
