#include "Quellarine/Components/CalibrationRow.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Model/PresetTexts.h"
#include "Quellarine/Model/ProfileStore.h"
#include "QuellarineKit/Support/IcuLocale.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QDateTime>
#include <QEvent>
#include <QTextDocumentFragment>
#include <QLocale>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>

#include <unicode/datefmt.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>

namespace quellarine {

CalibrationRow::CalibrationRow(AppModel& model, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , title_(new QLabel(tr("Tuned to your hand"), this))
    , offer_(new QLabel(tr("A one-minute test: hold still, follow a dot, click a few targets. Quellarine tries every "
                           "preset on your movement and suggests the one that suits you. AI can then explain your "
                           "result and tune a personal setting for you."),
                        this))
    , lastTest_(new QLabel(this))
    , clickGuard_(new SymbolLabel(tr("With the click guard on"), QStringLiteral("cursorarrow.click.2"),
                                  Typography::font(Typography::TextStyle::body), std::nullopt, this))
    , button_(new ProminentButton(tr("Start the Test"), Brand::accent, this))
{
    lastTest_->setTextFormat(Qt::RichText);
    lastTest_->setWordWrap(true);
    lastTest_->setFont(Typography::font(Typography::TextStyle::body));
    clickGuard_->label()->setForegroundRole(QPalette::PlaceholderText);
    clickGuard_->setSymbolColor(std::nullopt);
    title_->setTextFormat(Qt::PlainText);
    title_->setWordWrap(true);
    title_->setFont(Typography::system(Typography::pixelSize(Typography::TextStyle::title3), QFont::DemiBold));
    offer_->setTextFormat(Qt::PlainText);
    offer_->setWordWrap(true);
    offer_->setFont(Typography::font(Typography::TextStyle::body));
    offer_->setForegroundRole(QPalette::PlaceholderText);

    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);

    // The main window shows the calibration page; choosing it again while it shows changes nothing.
    connect(button_, &QPushButton::clicked, this, [this] { model_.setSection(MainSection::calibration); });
    connect(&model_.profile(), &ProfileStore::calibrationChanged, this, &CalibrationRow::refresh);
    refresh();
}

QString CalibrationRow::dateText(double date)
{
    // 2001-01-01 00:00:00 UTC in milliseconds since 1970, the epoch ICU counts from.
    constexpr double referenceEpochMs = 978'307'200'000.0;
    const std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createDateInstance(icu::DateFormat::kMedium, icuLocale(QLocale().bcp47Name().toStdString())));
    if (!format) {
        return QLocale().toString(QDateTime::fromMSecsSinceEpoch(qint64(date * 1000 + referenceEpochMs)).date(),
                                  QLocale::ShortFormat);
    }
    icu::UnicodeString text;
    format->format(date * 1000 + referenceEpochMs, text);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text.getBuffer()), text.length());
}

QString CalibrationRow::lastTestText(const CalibrationResult& result)
{
    return tr("Last test, %1: <b>%2</b>")
        .arg(dateText(result.date).toHtmlEscaped(), presetTitle(result.suggested).toHtmlEscaped());
}

void CalibrationRow::refresh()
{
    const std::optional<CalibrationResult>& result = model_.profile().calibration();
    offer_->setVisible(!result);
    lastTest_->setVisible(result.has_value());
    clickGuard_->setVisible(result && result->clickGuard);
    if (result) {
        lastTest_->setText(lastTestText(*result));
        lastTest_->setAccessibleName(QTextDocumentFragment::fromHtml(lastTest_->text()).toPlainText());
    }
    button_->setText(result ? tr("Test Again") : tr("Start the Test"));
    button_->setAccessibleName(button_->text());
    updateGeometry();
    arrange(width_, true);
}

int CalibrationRow::arrange(int width, bool apply) const
{
    const QSize button = button_->sizeHint();
    const int textLeft = tileSide + spacing;
    const bool under = width < narrowBelow;
    const int textWidth
        = std::max(1, under ? width - textLeft : width - textLeft - spacing - buttonGap - button.width());

    int top = 0;
    const auto place = [&](QWidget* part, const QRect& box) {
        if (apply) {
            part->setGeometry(QStyle::visualRect(layoutDirection(), QRect(0, 0, width, height()), box));
        }
    };
    const int titleHeight = title_->heightForWidth(textWidth);
    place(title_, QRect(textLeft, top, textWidth, titleHeight));
    top += titleHeight + textSpacing;
    if (!offer_->isHidden()) {
        const int offerHeight = offer_->heightForWidth(textWidth);
        place(offer_, QRect(textLeft, top, textWidth, offerHeight));
        top += offerHeight;
    } else {
        const int lastHeight = lastTest_->heightForWidth(textWidth);
        place(lastTest_, QRect(textLeft, top, textWidth, lastHeight));
        top += lastHeight;
        if (!clickGuard_->isHidden()) {
            top += textSpacing;
            const int guardHeight = clickGuard_->heightForWidth(textWidth);
            place(clickGuard_, QRect(textLeft, top, textWidth, guardHeight));
            top += guardHeight;
        }
    }
    if (under) {
        // A little apart from the text above it.
        top += textSpacing + 4;
        place(button_, QRect(QPoint(textLeft, top), button));
        top += button.height();
    } else {
        place(button_, QRect(QPoint(width - button.width(), 0), button));
        top = std::max(top, button.height());
    }
    return std::max(top, tileSide);
}

int CalibrationRow::heightForWidth(int width) const
{
    return arrange(width, false);
}

QSize CalibrationRow::sizeHint() const
{
    return QSize(initialWidth, heightForWidth(initialWidth));
}

QSize CalibrationRow::minimumSizeHint() const
{
    const int width = tileSide + spacing + button_->sizeHint().width();
    return QSize(width, heightForWidth(width));
}

QRect CalibrationRow::tileRect() const
{
    return QStyle::visualRect(layoutDirection(), rect(), QRect(0, 0, tileSide, tileSide));
}

void CalibrationRow::paintEvent(QPaintEvent* /*event*/)
{
    // The tile is painted rather than a child, so it stays out of the accessibility tree.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(tileRect());
    const QColor warm = Brand::warm.resolve(*this);
    // The warm colour's own gradient: a little lighter at the top.
    QLinearGradient gradient(tile.topLeft(), tile.bottomLeft());
    gradient.setColorAt(0, warm.lighter(115));
    gradient.setColorAt(1, warm);
    painter.fillPath(ContinuousShape::roundedRect(tile, tileRadius), gradient);
    const qreal side = Symbols::sideFor(Typography::pixelSize(Typography::TextStyle::title2));
    Symbols::paint(painter, QRectF(tile.center().x() - side / 2, tile.center().y() - side / 2, side, side),
                   QStringLiteral("hand.raised.fingers.spread"), Qt::white);
}

void CalibrationRow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    width_ = event->size().width();
    arrange(width_, true);
}

void CalibrationRow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange) {
        arrange(width(), true);
    }
}

} // namespace quellarine
