#include "Quellarine/Pages/Calibration/ShortcutsSection.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Model/ModeSwitcher.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Card.h"
#include "Quellarine/Components/KeyCaps.h"
#include "Quellarine/Components/Notice.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Desktop/DeviceAccess.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Components/PlainText.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

using Shortcut = GlobalHotKey::Shortcut;
using KeyState = ModeSwitcher::KeyState;

constexpr int cardSpacing = 10;

QLabel* wrappingText(const QString& text, const QFont& font, QWidget* parent)
{
    QLabel* label = plainText(text, font);
    label->setParent(parent);
    return label;
}

QLabel* secondaryText(const QString& text, QWidget* parent)
{
    auto* label = wrappingText(text, Typography::font(Typography::TextStyle::body), parent);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

} // namespace

// MARK: Line

ShortcutsSection::Line::Line(const Shortcut& shortcut, const QString& caption, QWidget* parent)
    : QWidget(parent)
    , caps_(new KeyCaps(shortcut, 1.0, this))
    , assigned_(new QLabel(this))
    , caption_(new QLabel(caption, this))
{
    assigned_->setTextFormat(Qt::PlainText);
    assigned_->setFont(Typography::system(Typography::pixelSize(Typography::TextStyle::title3), QFont::Bold));
    assigned_->hide();
    caption_->setTextFormat(Qt::PlainText);
    caption_->setWordWrap(true);
    caption_->setFont(Typography::system(Typography::pixelSize(Typography::TextStyle::title3), QFont::Medium));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QWidget& ShortcutsSection::Line::keys() const
{
    return assigned_->text().isEmpty() ? static_cast<QWidget&>(*caps_) : *assigned_;
}

void ShortcutsSection::Line::setAssignedKeys(const QString& keys)
{
    assigned_->setText(keys);
    assigned_->setAccessibleName(keys);
    assigned_->setVisible(!keys.isEmpty());
    caps_->setVisible(keys.isEmpty());
    place();
    updateGeometry();
}

int ShortcutsSection::Line::sideBySideWidth() const
{
    const int captionWidth
        = static_cast<int>(std::ceil(QFontMetricsF(caption_->font()).horizontalAdvance(caption_->text())));
    return keys().sizeHint().width() + sideBySideSpacing + captionWidth;
}

int ShortcutsSection::Line::heightForWidth(int width) const
{
    const int capsHeight = keys().sizeHint().height();
    if (fits(width)) {
        return std::max(capsHeight, QFontMetrics(caption_->font()).height());
    }
    return capsHeight + stackedSpacing + caption_->heightForWidth(std::max(1, width));
}

QSize ShortcutsSection::Line::sizeHint() const
{
    const int width = sideBySideWidth();
    return QSize(width, heightForWidth(width));
}

QSize ShortcutsSection::Line::minimumSizeHint() const
{
    // The caps never shrink; the caption wraps under them. The desktop's words may be long: they wrap too.
    const int width = std::min(keys().sizeHint().width(), caps_->sizeHint().width());
    return QSize(width, heightForWidth(width));
}

void ShortcutsSection::Line::place()
{
    QWidget& shown = keys();
    const QSize caps = shown.sizeHint().boundedTo(QSize(std::max(1, width()), shown.sizeHint().height()));
    const int lineHeight = QFontMetrics(caption_->font()).height();
    QRect capsRect;
    QRect captionRect;
    if (fits(width())) {
        const int height = std::max(caps.height(), lineHeight);
        capsRect = QRect(0, (height - caps.height()) / 2, caps.width(), caps.height());
        const int captionLeft = caps.width() + sideBySideSpacing;
        captionRect = QRect(captionLeft, (height - lineHeight) / 2, width() - captionLeft, lineHeight);
    } else {
        capsRect = QRect(QPoint(0, 0), caps);
        captionRect = QRect(0, caps.height() + stackedSpacing, width(), caption_->heightForWidth(width()));
    }
    shown.setGeometry(QStyle::visualRect(layoutDirection(), rect(), capsRect));
    caption_->setGeometry(QStyle::visualRect(layoutDirection(), rect(), captionRect));
}

void ShortcutsSection::Line::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    place();
}

void ShortcutsSection::Line::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange || event->type() == QEvent::FontChange) {
        place();
        updateGeometry();
    }
}

// MARK: Section

ShortcutsSection::ShortcutsSection(AppModel& model, QWidget* parent)
    : QWidget(parent)
    , model_(model)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);

    auto* heading = new QWidget(this);
    auto* headingLayout = new QVBoxLayout(heading);
    headingLayout->setContentsMargins(0, 0, 0, 0);
    headingLayout->setSpacing(4);
    title_ = new QLabel(tr("Shortcuts"), heading);
    title_->setTextFormat(Qt::PlainText);
    title_->setFont(Typography::system(22, QFont::Bold, Typography::Design::rounded));
    headingLayout->addWidget(title_);
    subtitle_ = wrappingText(QString(), Typography::font(Typography::TextStyle::title3), heading);
    subtitle_->setForegroundRole(QPalette::PlaceholderText);
    headingLayout->addWidget(subtitle_);
    layout->addWidget(heading);

    // A card per shortcut: its line, what it does, and the warning while another application holds it.
    const auto shortcutCard = [this](const Shortcut& shortcut, const QString& caption, const QString& detail,
                                     Line*& line, Notice*& warning, QLabel** detailLabel = nullptr) {
        auto* content = new QWidget;
        auto* stack = new QVBoxLayout(content);
        stack->setContentsMargins(0, 0, 0, 0);
        stack->setSpacing(cardSpacing);
        line = new Line(shortcut, caption, content);
        stack->addWidget(line);
        QLabel* detailText = secondaryText(detail, content);
        stack->addWidget(detailText);
        if (detailLabel != nullptr) {
            *detailLabel = detailText;
        }
        warning = new Notice(tr("Used by another app"), false, content);
        stack->addWidget(warning);
        return new Card(content, std::nullopt, this);
    };
    modeCard_ = shortcutCard(Shortcut::nextMode(), tr("switch modes"),
                             tr("Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. "
                                "The mode's name shows on screen for a few seconds."),
                             modeLine_, modeWarning_, &modeDetail_);
    layout->addWidget(modeCard_);
    toggleCard_ = shortcutCard(Shortcut::defaultToggle(), tr("turn Quellarine on or off"),
                               tr("You can also use its icon in the system tray."), toggleLine_, toggleWarning_);
    layout->addWidget(toggleCard_);

    // The way out: five presses of Ctrl where they are heard; otherwise the other ways, and how to be heard.
    auto* emergency = new QWidget;
    auto* emergencyStack = new QVBoxLayout(emergency);
    emergencyStack->setContentsMargins(0, 0, 0, 0);
    emergencyStack->setSpacing(cardSpacing);
    emergencyLabel_ = new SymbolLabel(QString(), QStringLiteral("exclamationmark.shield"),
                                      Typography::font(Typography::TextStyle::body), std::nullopt, emergency);
    emergencyLabel_->setSymbolColor(Brand::warm);
    emergencyStack->addWidget(emergencyLabel_);
    grantText_ = wrappingText(tr("To let Quellarine hear its keys and the five presses of Ctrl here, give it access to "
                                 "the keyboards by running this command in a terminal. It can then read every "
                                 "keyboard; it looks only at the modifier keys and its three shortcuts, and never "
                                 "stores or sends a key."),
                              Typography::font(Typography::TextStyle::body), emergency);
    emergencyStack->addWidget(grantText_);
    grantCommand_
        = new QLabel(DeviceAccess::keyboardInstallCommand(QCoreApplication::applicationFilePath()), emergency);
    grantCommand_->setTextFormat(Qt::PlainText);
    grantCommand_->setWordWrap(true);
    grantCommand_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    grantCommand_->setFocusPolicy(Qt::StrongFocus);
    grantCommand_->setAccessibleName(tr("Command"));
    grantCommand_->setFont(Typography::system(13, QFont::Normal, Typography::Design::monospaced));
    emergencyStack->addWidget(grantCommand_);
    emergencyCard_ = new Card(emergency, Brand::warm, this);
    layout->addWidget(emergencyCard_);

    connect(&model_.modes(), &ModeSwitcher::keysChanged, this, &ShortcutsSection::refresh);
    refresh();
}

void ShortcutsSection::refresh()
{
    const ModeSwitcher& modes = model_.modes();
    const KeySource& keys = modes.keys();
    switch (keys.hotKeys) {
    case KeySource::HotKeys::x11:
        subtitle_->setText(tr("They work in every app, with Quellarine in the background."));
        break;
    case KeySource::HotKeys::desktopShortcuts:
        subtitle_->setText(tr("Your desktop gives these keys to Quellarine in every app; you can change them in its "
                              "keyboard settings."));
        break;
    case KeySource::HotKeys::keyboardGrant:
        subtitle_->setText(tr("Quellarine hears them in every app through the keyboard access you gave it. It looks "
                              "only at the modifier keys and these three shortcuts, and never stores or sends a key."));
        break;
    case KeySource::HotKeys::none:
        subtitle_->setText(tr("They do not work in this session: it lets no program hear keys pressed in other "
                              "windows."));
        break;
    }

    const auto warn = [](Notice& warning, KeyState state) {
        switch (state) {
        case KeyState::active:
            warning.hide();
            return;
        case KeyState::waiting:
            warning.setText(tr("Waiting for the desktop to give these keys"));
            break;
        case KeyState::taken:
            warning.setText(tr("Used by another app"));
            break;
        case KeyState::refused:
            warning.setText(tr("The desktop did not give these keys"));
            break;
        case KeyState::unavailable:
            warning.setText(tr("Not available in this session"));
            break;
        }
        warning.show();
    };
    warn(*modeWarning_, modes.modeState());
    warn(*toggleWarning_, modes.toggleState());
    modeLine_->setAssignedKeys(modes.assignedKeys(Shortcut::nextMode()));
    toggleLine_->setAssignedKeys(modes.assignedKeys(Shortcut::defaultToggle()));
    const QString back = modes.assignedKeys(Shortcut::previousMode());
    modeDetail_->setText(back.isEmpty()
                             ? tr("Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. "
                                  "The mode's name shows on screen for a few seconds.")
                             : tr("Direct (no smoothing), then each preset in turn; %1 goes back. The mode's name "
                                  "shows on screen for a few seconds.")
                                   .arg(back));

    emergencyLabel_->setText(
        keys.emergencyHeard
            ? tr("If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.")
            : tr("Five presses of Ctrl are not heard in this session. If the pointer is ever hard to use, turn "
                 "smoothing off with the switch in the main window or from Quellarine's icon in the system tray."));
    // The keyboard grant is the way wherever the gesture is not heard; the desktop's shortcuts need none.
    const bool offerGrant = !keys.emergencyHeard;
    grantText_->setVisible(offerGrant);
    grantCommand_->setVisible(offerGrant);
}

} // namespace quellarine
