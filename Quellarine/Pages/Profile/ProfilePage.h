#pragma once

#include "Quellarine/Model/ProfileStore.h"

#include <QWidget>

#include <utility>

class QLineEdit;
class QPushButton;

namespace quellarine {

class AppModel;
class PreferencesSection;
class ProfileHeader;
class ProfileSection;

// The profile page: who the user is (avatar, name, e-mail, photo), the personal details, the preferences, and a
// way to write to the maker. Everything it changes goes straight into the profile store or the application model;
// the page itself keeps only the header's photo message and drop highlight, which start afresh each time.
class ProfilePage final : public QWidget {
    Q_OBJECT

public:
    static constexpr int spacing = 22;
    // The e-mail field's prompt: an address at the domain kept for examples.
    static constexpr const char* emailPrompt = "you@example.com";

    explicit ProfilePage(AppModel& model, QWidget* parent = nullptr);

    // The prompts of the first- and last-name fields, taken from the account's full name: its first word, and
    // the other words joined by one space (nothing when there are none). Words are separated by spaces only.
    static std::pair<QString, QString> namePlaceholders(const QString& accountFullName);

    ProfileHeader& header() const { return *header_; }
    QLineEdit& firstNameField() const { return *firstName_; }
    QLineEdit& lastNameField() const { return *lastName_; }
    QLineEdit& emailField() const { return *email_; }
    PreferencesSection& preferences() const { return *preferences_; }
    QPushButton& writeToUsButton() const { return *writeToUs_; }

private:
    QWidget* buildDetails(const QString& accountFullName);
    QWidget* buildWriteToUs();
    QLineEdit* field(const QString& label, const QString& prompt, QString ProfileStore::Details::*part);
    void refreshDetails();

    AppModel& model_;
    ProfileHeader* header_;
    ProfileSection* details_ = nullptr;
    QLineEdit* firstName_ = nullptr;
    QLineEdit* lastName_ = nullptr;
    QLineEdit* email_ = nullptr;
    PreferencesSection* preferences_ = nullptr;
    QPushButton* writeToUs_ = nullptr;
};

} // namespace quellarine
