#include "Quellarine/Pages/WhatsNew/NoteCard.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Pages/WhatsNew/MarkdownText.h"
#include "Quellarine/Components/Style/AccessibleRole.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Pages/WhatsNew/CapsuleText.h"
#include "Quellarine/Pages/WhatsNew/NoteItem.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace quellarine {

NoteCard::NoteCard(const ReleaseNote& note, bool current, QWidget* parent)
    : QWidget(parent)
    , note_(note)
    , current_(current)
{
    using TextStyle = Typography::TextStyle;
    const std::optional<DynamicColor> tint = current ? std::optional(Brand::accent) : std::nullopt;

    versionPill_ = new CapsuleText(
        QString::fromStdString(note.version),
        Typography::system(Typography::pixelSize(TextStyle::callout), QFont::DemiBold, Typography::Design::monospaced),
        tint, CapsuleText::Style::tinted);
    headline_ = new QLabel(QString::fromStdString(note.headline));
    headline_->setTextFormat(Qt::PlainText);
    headline_->setWordWrap(true);
    headline_->setFont(Typography::font(TextStyle::headline));

    auto* header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->setSpacing(spacing);
    header->addWidget(versionPill_, 0, Qt::AlignVCenter);
    header->addWidget(headline_, 1, Qt::AlignVCenter);
    if (current) {
        badge_ = new CapsuleText(tr("This version"),
                                 Typography::system(Typography::pixelSize(TextStyle::caption), QFont::DemiBold),
                                 Brand::accent, CapsuleText::Style::filled);
        header->addWidget(badge_, 0, Qt::AlignVCenter);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(padding, padding, padding, padding);
    layout->setSpacing(spacing);
    layout->addLayout(header);
    if (note.intro) {
        intro_ = new MarkdownText(QString::fromStdString(*note.intro), Typography::font(TextStyle::body),
                                  MarkdownText::Tone::secondary);
        layout->addWidget(intro_);
    }
    if (!note.items.empty()) {
        auto* list = new QVBoxLayout;
        list->setContentsMargins(0, 0, 0, 0);
        list->setSpacing(itemSpacing);
        for (const std::string& item : note.items) {
            items_.append(new NoteItem(QString::fromStdString(item), current));
            list->addWidget(items_.back());
        }
        layout->addLayout(list);
    }

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setAccessibleName(current ? tr("Version %1, this version: %2").arg(versionPill_->text(), headline_->text())
                              : tr("Version %1: %2").arg(versionPill_->text(), headline_->text()));
    AccessibleRole::set(*this, QAccessible::Grouping);
}

QColor NoteCard::borderColor() const
{
    return current_ ? withOpacity(Brand::accent.resolve(*this), 0.45)
                    : withOpacity(palette().color(QPalette::PlaceholderText), 0.18);
}

void NoteCard::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    // The background's second level: set off from the window, in either appearance.
    ContinuousShape::draw(painter, QRectF(rect()), cornerRadius, palette().color(QPalette::AlternateBase),
                          borderColor(), 1.0);
}

} // namespace quellarine
