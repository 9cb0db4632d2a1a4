#include "Quellarine/Pages/Calibration/ShortcutsSection.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Card.h"
#include "Quellarine/Components/KeyCaps.h"
#include "Quellarine/Components/Notice.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Desktop/Typography.h"
#include "Quellarine/Components/PlainText.h"

#include <QEvent>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

using Shortcut = GlobalHotKey::Shortcut;

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
    , caption_(new QLabel(caption, this))
{
    caption_->setTextFormat(Qt::PlainText);
    caption_->setWordWrap(true);
    caption_->setFont(Typography::system(Typography::pixelSize(Typography::TextStyle::title3), QFont::Medium));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int ShortcutsSection::Line::sideBySideWidth() const
{
    const int captionWidth
        = static_cast<int>(std::ceil(QFontMetricsF(caption_->font()).horizontalAdvance(caption_->text())));
    return caps_->sizeHint().width() + sideBySideSpacing + captionWidth;
}

int ShortcutsSection::Line::heightForWidth(int width) const
{
    const int capsHeight = caps_->sizeHint().height();
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
    // The caps never shrink; the caption wraps under them.
    const int width = caps_->sizeHint().width();
    return QSize(width, heightForWidth(width));
}

void ShortcutsSection::Line::place()
{
    const QSize caps = caps_->sizeHint();
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
    caps_->setGeometry(QStyle::visualRect(layoutDirection(), rect(), capsRect));
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
    auto* subtitle = wrappingText(tr("They work in every app, with Quellarine in the background."),
                                  Typography::font(Typography::TextStyle::title3), heading);
    subtitle->setForegroundRole(QPalette::PlaceholderText);
    headingLayout->addWidget(subtitle);
    layout->addWidget(heading);

    // A card per shortcut: its line, what it does, and the warning while another application holds it.
    const auto shortcutCard = [this](const Shortcut& shortcut, const QString& caption, const QString& detail,
                                     Line*& line, Notice*& warning) {
        auto* content = new QWidget;
        auto* stack = new QVBoxLayout(content);
        stack->setContentsMargins(0, 0, 0, 0);
        stack->setSpacing(cardSpacing);
        line = new Line(shortcut, caption, content);
        stack->addWidget(line);
        stack->addWidget(secondaryText(detail, content));
        warning = new Notice(tr("Used by another app"), false, content);
        stack->addWidget(warning);
        return new Card(content, std::nullopt, this);
    };
    modeCard_ = shortcutCard(Shortcut::nextMode(), tr("switch modes"),
                             tr("Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. "
                                "The mode's name shows on screen for a few seconds."),
                             modeLine_, modeWarning_);
    layout->addWidget(modeCard_);
    toggleCard_ = shortcutCard(Shortcut::defaultToggle(), tr("turn Quellarine on or off"),
                               tr("You can also use its icon in the system tray."), toggleLine_, toggleWarning_);
    layout->addWidget(toggleCard_);

    emergencyLabel_ = new SymbolLabel(
        tr("If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once."),
        QStringLiteral("exclamationmark.shield"), Typography::font(Typography::TextStyle::body));
    emergencyLabel_->setSymbolColor(Brand::warm);
    emergencyCard_ = new Card(emergencyLabel_, Brand::warm, this);
    layout->addWidget(emergencyCard_);

    connect(&model_, &AppModel::modeShortcutTakenChanged, this, &ShortcutsSection::refresh);
    connect(&model_, &AppModel::shortcutTakenChanged, this, &ShortcutsSection::refresh);
    refresh();
}

void ShortcutsSection::refresh()
{
    modeWarning_->setVisible(model_.modeShortcutTaken());
    toggleWarning_->setVisible(model_.shortcutTaken());
}

} // namespace quellarine
