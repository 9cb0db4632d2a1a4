#pragma once

#include <QFileDialog>
#include <QPointer>
#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QUrl;

namespace quellarine {

class AppModel;
class AvatarView;
class OneLineLabel;

// The top of the profile page: the avatar, the name and e-mail, and the photo's actions. A picture comes from
// the desktop's file chooser or is dropped on the avatar; when it cannot be used, the reason stays under the
// buttons until a later import succeeds or the page is left.
class ProfileHeader : public QWidget {
    Q_OBJECT

public:
    static constexpr qreal avatarSize = 104;
    static constexpr int spacing = 22;
    static constexpr int padding = 22;
    static constexpr qreal cornerRadius = 20;

    explicit ProfileHeader(AppModel& model, QWidget* parent = nullptr);

    AvatarView& avatar() const { return *avatar_; }
    OneLineLabel& nameLabel() const { return *name_; }
    // Shown only while the profile has an e-mail.
    OneLineLabel& emailLabel() const { return *email_; }
    // "Choose Photo…" without a photo, "Change Photo…" with one.
    QPushButton& chooseButton() const { return *choose_; }
    // Shown only while there is a photo.
    QPushButton& removeButton() const { return *remove_; }
    // The last failed import's sentence; hidden while there is none.
    QLabel& errorLabel() const { return *error_; }
    const std::optional<QString>& photoError() const { return photoError_; }

    // Opens the desktop's file chooser for pictures, without blocking the event loop; a chosen file is imported.
    void choosePhoto();
    // The chooser while it is open.
    QFileDialog* chooser() const { return chooser_; }
    // Imports the picture in the file; on failure the reason is shown.
    void importPhoto(const QUrl& url);
    // Deletes the photo; any reason shown stays.
    void removePhoto();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refresh();
    void setPhotoError(std::optional<QString> error);
    void colourError();

    AppModel& model_;
    AvatarView* avatar_;
    OneLineLabel* name_;
    OneLineLabel* email_;
    QPushButton* choose_;
    QPushButton* remove_;
    QLabel* error_;
    std::optional<QString> photoError_;
    QPointer<QFileDialog> chooser_;
};

} // namespace quellarine
