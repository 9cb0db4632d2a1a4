#include "Quellarine/Pages/Calibration/MetricTile.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace quellarine {

MetricTile::MetricTile(const QString& value, const QString& label, QWidget* parent)
    : FilledPanel(12, 0.045, std::nullopt, parent)
    , value_(new QLabel(value, this))
    , label_(new QLabel(label, this))
{
    value_->setTextFormat(Qt::PlainText);
    value_->setMinimumWidth(0);
    value_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    label_->setTextFormat(Qt::PlainText);
    label_->setWordWrap(true);
    label_->setFont(Typography::font(Typography::TextStyle::callout));
    label_->setForegroundRole(QPalette::PlaceholderText);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(3);
    layout->addWidget(value_);
    layout->addWidget(label_);
    layout->addStretch(1);
    setAccessibleName(label);
    setAccessibleDescription(value);
    fitValue();
}

void MetricTile::resizeEvent(QResizeEvent* event)
{
    FilledPanel::resizeEvent(event);
    fitValue();
}

void MetricTile::changeEvent(QEvent* event)
{
    FilledPanel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        fitValue();
    }
}

void MetricTile::fitValue()
{
    const int room = std::max(1, width() - 24);
    qreal size = valueSize;
    QFont font = Typography::system(size, QFont::Bold, Typography::Design::rounded);
    while (size > valueSize * smallestScale && QFontMetrics(font).horizontalAdvance(value_->text()) > room) {
        size = std::max(valueSize * smallestScale, size - 1);
        font.setPixelSize(static_cast<int>(size));
    }
    value_->setFont(font);
    // Still too long at the smallest size: the value goes on over another line rather than being cut.
    const bool wraps = QFontMetrics(font).horizontalAdvance(value_->text()) > room;
    if (wraps != value_->wordWrap()) {
        value_->setWordWrap(wraps);
        QSizePolicy policy(QSizePolicy::Ignored, wraps ? QSizePolicy::Preferred : QSizePolicy::Fixed);
        policy.setHeightForWidth(wraps);
        value_->setSizePolicy(policy);
    }
    QPalette palette = value_->palette();
    palette.setColor(QPalette::WindowText, Brand::warmText(*this));
    value_->setPalette(palette);
}

} // namespace quellarine
