#include "Quellarine/Pages/Profile/ProfileHeader.h"

#include "Quellarine/Components/AvatarView.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/PlainText.h"
#include "Quellarine/Components/Stacks.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Pages/Profile/OneLineLabel.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMimeData>
#include <QMimeDatabase>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QStandardPaths>

namespace quellarine {

namespace {

constexpr int textSpacing = 6;
constexpr int buttonSpacing = 10;

// Every file name pattern of the picture formats this build can read, for the chooser's one filter.
QString imagePatterns()
{
    QStringList patterns;
    const QMimeDatabase types;
    for (const QByteArray& name : QImageReader::supportedMimeTypes()) {
        for (const QString& pattern : types.mimeTypeForName(QString::fromLatin1(name)).globPatterns()) {
            if (!patterns.contains(pattern)) {
                patterns.append(pattern);
            }
        }
    }
    return patterns.join(u' ');
}

} // namespace

ProfileHeader::ProfileHeader(AppModel& model, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , avatar_(new AvatarView(model, avatarSize))
    , name_(new OneLineLabel(QString(), Typography::system(28, QFont::Bold, Typography::Design::rounded)))
    , email_(new OneLineLabel(QString(), Typography::font(Typography::TextStyle::title3)))
    , choose_(new QPushButton)
    , remove_(new QPushButton(tr("Remove Photo")))
    , error_(plainText(QString(), Typography::font(Typography::TextStyle::callout)))
{
    // The avatar's shadow takes room of its own; the circle keeps the header's spacing and padding.
    const int shadow = AvatarView::shadowMargin(avatarSize);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(padding - shadow, padding - shadow, padding, padding - shadow);
    layout->setSpacing(spacing - shadow);
    avatar_->setToolTip(tr("Drop a picture here to use it as your photo"));
    avatar_->setAcceptDrops(true);
    avatar_->installEventFilter(this);
    layout->addWidget(avatar_, 0, Qt::AlignVCenter);

    auto* texts = new QWidget;
    auto* column = verticalStack(texts, textSpacing);
    column->addWidget(name_);
    email_->setForegroundRole(QPalette::PlaceholderText);
    column->addWidget(email_);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 4, 0, 0);
    buttons->setSpacing(buttonSpacing);
    buttons->addWidget(choose_);
    buttons->addWidget(remove_);
    buttons->addStretch(1);
    column->addLayout(buttons);
    error_->hide();
    colourError();
    column->addWidget(error_);
    layout->addWidget(texts, 1, Qt::AlignVCenter);

    // Return presses a focused button as Space does.
    choose_->setAutoDefault(true);
    remove_->setAutoDefault(true);
    connect(choose_, &QPushButton::clicked, this, &ProfileHeader::choosePhoto);
    connect(remove_, &QPushButton::clicked, this, &ProfileHeader::removePhoto);
    ProfileStore& profile = model_.profile();
    connect(&profile, &ProfileStore::detailsChanged, this, &ProfileHeader::refresh);
    connect(&profile, &ProfileStore::photoChanged, this, &ProfileHeader::refresh);
    refresh();
}

void ProfileHeader::refresh()
{
    name_->setText(model_.profileName());
    name_->setAccessibleName(name_->text());
    const auto email = model_.profileEmail();
    email_->setText(email.value_or(QString()));
    email_->setAccessibleName(email_->text());
    email_->setVisible(email.has_value());
    const bool hasPhoto = !model_.profile().photo().isNull();
    choose_->setText(hasPhoto ? tr("Change Photo…") : tr("Choose Photo…"));
    remove_->setVisible(hasPhoto);
}

void ProfileHeader::colourError()
{
    QPalette warm = palette();
    warm.setColor(QPalette::WindowText, Brand::warmText(*this));
    error_->setPalette(warm);
}

void ProfileHeader::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        colourError();
    }
    QWidget::changeEvent(event);
}

void ProfileHeader::setPhotoError(std::optional<QString> error)
{
    photoError_ = std::move(error);
    error_->setText(photoError_.value_or(QString()));
    error_->setAccessibleName(error_->text());
    error_->setVisible(photoError_.has_value());
}

void ProfileHeader::choosePhoto()
{
    if (chooser_) {
        chooser_->raise();
        chooser_->activateWindow();
        return;
    }
    // The desktop's own chooser where it offers one (through the file-chooser portal when one runs). Opened
    // without a nested event loop, so the pointer keeps being steadied while the user looks for the picture.
    chooser_ = new QFileDialog(window(), tr("Choose a picture for your profile. It stays on this computer."));
    chooser_->setAttribute(Qt::WA_DeleteOnClose);
    chooser_->setFileMode(QFileDialog::ExistingFile);
    chooser_->setAcceptMode(QFileDialog::AcceptOpen);
    chooser_->setNameFilter(tr("Pictures (%1)").arg(imagePatterns()));
    chooser_->setLabelText(QFileDialog::Accept, tr("Use Photo"));
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    chooser_->setDirectory(QDir(pictures).exists() ? pictures : QDir::homePath());
    connect(chooser_, &QFileDialog::accepted, this, [this] {
        const QList<QUrl> chosen = chooser_->selectedUrls();
        if (!chosen.isEmpty()) {
            importPhoto(chosen.front());
        }
    });
    chooser_->open();
}

void ProfileHeader::importPhoto(const QUrl& url)
{
    QPointer<ProfileHeader> alive(this);
    model_.profile().setPhoto(url, [alive](std::optional<ProfileStore::PhotoError> error) {
        if (!alive) {
            return;
        }
        alive->setPhotoError(error ? std::optional(ProfilePhoto::description(*error)) : std::nullopt);
    });
}

void ProfileHeader::removePhoto()
{
    // The button goes away with the photo: the keyboard moves on to the one that stays.
    const bool hadFocus = remove_->hasFocus();
    model_.profile().removePhoto();
    if (hadFocus) {
        choose_->setFocus(Qt::OtherFocusReason);
    }
}

bool ProfileHeader::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != avatar_) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::DragEnter: {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        if (drag->mimeData()->hasUrls() && !drag->mimeData()->urls().isEmpty()) {
            drag->acceptProposedAction();
            avatar_->setDropTargeted(true);
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::DragLeave:
        avatar_->setDropTargeted(false);
        return true;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        avatar_->setDropTargeted(false);
        const QList<QUrl> urls = drop->mimeData()->hasUrls() ? drop->mimeData()->urls() : QList<QUrl>();
        if (urls.isEmpty()) {
            drop->ignore();
            return true;
        }
        // Only the first of several files is used.
        drop->acceptProposedAction();
        importPhoto(urls.front());
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void ProfileHeader::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(rect());
    painter.setClipPath(ContinuousShape::roundedRect(bounds, cornerRadius));
    painter.fillRect(bounds, withOpacity(palette().color(QPalette::WindowText), 0.045));

    // A soft glow of the accent colour beyond the top trailing corner: a circle 240 wide (at most as tall as the
    // header), moved 60 outwards and 90 up, blurred by 60.
    constexpr qreal glowWidth = 240;
    constexpr qreal blur = 60;
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const qreal radius = std::min(glowWidth, bounds.height()) / 2;
    const qreal frameCentreX = rightToLeft ? glowWidth / 2 - 60 : bounds.width() - glowWidth / 2 + 60;
    const QPointF centre(frameCentreX, bounds.height() / 2 - 90);
    const QColor accent = Brand::accent.resolve(*this);
    QRadialGradient glow(centre, radius + blur);
    const qreal edge = radius / (radius + blur);
    glow.setColorAt(0, withOpacity(accent, 0.18));
    glow.setColorAt(std::max<qreal>(0, edge - 0.35), withOpacity(accent, 0.16));
    glow.setColorAt(edge, withOpacity(accent, 0.09));
    glow.setColorAt(1, withOpacity(accent, 0));
    painter.fillRect(bounds, glow);
}

} // namespace quellarine
