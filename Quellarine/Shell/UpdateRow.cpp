#include "Quellarine/Shell/UpdateRow.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Model/UpdateController.h"
#include "Quellarine/Components/Style/Motion.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QEnterEvent>
#include <QPainter>
#include <QTextLayout>
#include <QStyle>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

constexpr int paddingX = 10;
constexpr int paddingY = 8;
constexpr int spacing = 8;
constexpr int minimumGap = 4;
constexpr qreal redDotSide = 9;
// The mini progress indicator.
constexpr qreal spinnerSide = 12;
constexpr int spinnerPeriodMilliseconds = 1000;
constexpr qreal badgePaddingX = 7;
constexpr qreal badgePaddingY = 2;
// The tertiary text colour: the primary colour, fainter than the secondary one.
constexpr qreal tertiaryOpacity = 0.45;
// The content of a row that cannot be clicked.
constexpr qreal disabledOpacity = 0.6;

QFont titleFont()
{
    return Typography::system(13, QFont::DemiBold);
}

QFont badgeFont()
{
    return Typography::system(11, QFont::Bold);
}

QFont versionFont()
{
    return Typography::system(12, QFont::Medium);
}

qreal arrowsSide()
{
    return Symbols::sideFor(12);
}

// Digits drawn in cells of one width, so a version number keeps its width whatever its digits.
struct MonospacedDigits {
    QFontMetricsF metrics;
    qreal digitWidth;

    explicit MonospacedDigits(const QFont& font)
        : metrics(font)
        , digitWidth(0)
    {
        for (QChar digit = u'0'; digit <= u'9'; digit = QChar(digit.unicode() + 1)) {
            digitWidth = std::max(digitWidth, metrics.horizontalAdvance(digit));
        }
    }

    qreal advance(QChar character) const
    {
        return character.isDigit() ? digitWidth : metrics.horizontalAdvance(character);
    }

    qreal width(const QString& text) const
    {
        qreal total = 0;
        for (QChar character : text) {
            total += advance(character);
        }
        return total;
    }

    void draw(QPainter& painter, QPointF origin, qreal height, const QString& text) const
    {
        for (QChar character : text) {
            const qreal cell = advance(character);
            painter.drawText(QRectF(origin.x(), origin.y(), cell, height), Qt::AlignCenter, QString(character));
            origin.rx() += cell;
        }
    }
};

} // namespace

struct UpdateRow::Parts {
    LeadingMark mark;
    QSizeF markSize;
    QString title;
    qreal titleWidth;
    QString trailing;
    QSizeF trailingSize;
    qreal lineHeight;
};

UpdateRow::UpdateRow(AppModel& model, QWidget* parent)
    : DrawnButton(parent)
    , model_(model)
    , lookAnimation_(new QVariantAnimation(this))
    , spinner_(new QVariantAnimation(this))
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::ArrowCursor);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);

    // The animation only keeps time; the spring turns the elapsed time into the look.
    lookAnimation_->setStartValue(0.0);
    lookAnimation_->setEndValue(1.0);
    lookAnimation_->setDuration(static_cast<int>(std::ceil(spring.settlingTime() * 1000)));
    spinner_->setStartValue(0.0);
    spinner_->setEndValue(360.0);
    spinner_->setDuration(spinnerPeriodMilliseconds);
    spinner_->setLoopCount(-1);
    connect(spinner_, &QVariantAnimation::valueChanged, this, [this] { update(); });

    connect(this, &QAbstractButton::clicked, this, [this] { model_.updates().checkForUpdates(); });
    UpdateController& updates = model_.updates();
    connect(&updates, &UpdateController::availableChanged, this, [this] {
        refresh();
        animateLook();
    });
    connect(&updates, &UpdateController::canCheckChanged, this, &UpdateRow::refresh);
    connect(&updates, &UpdateController::automaticallyChecksChanged, this, &UpdateRow::refresh);

    look_ = available() ? 1 : 0;
    refresh();
}

std::optional<QString> UpdateRow::available() const
{
    return model_.updates().available();
}

UpdateRow::LeadingMark UpdateRow::leadingMark() const
{
    if (available()) {
        return LeadingMark::redDot;
    }
    const UpdateController& updates = model_.updates();
    return !updates.canCheck() && updates.automaticallyChecks() ? LeadingMark::spinner : LeadingMark::arrows;
}

QString UpdateRow::title() const
{
    if (const auto version = available()) {
        return tr("Update to %1").arg(*version);
    }
    return tr("Check for Updates");
}

QString UpdateRow::trailingText() const
{
    if (available()) {
        return tr("New");
    }
    return versionMark(UpdateController::appVersion());
}

QString UpdateRow::versionMark(const QString& version)
{
    // Never translated.
    return QStringLiteral("v") + version;
}

bool UpdateRow::spinning() const
{
    return spinner_->state() == QAbstractAnimation::Running;
}

void UpdateRow::refresh()
{
    setEnabled(available().has_value() || model_.updates().canCheck());
    setToolTip(available() ? tr("See what's new and install it, free") : tr("See if a newer Quellarine is out"));
    setAccessibleName(title());
    setText(title());
    refreshSpinner();
    updateGeometry();
    update();
}

void UpdateRow::refreshSpinner()
{
    const bool wanted = isVisible() && leadingMark() == LeadingMark::spinner;
    if (wanted && !spinning()) {
        spinner_->start();
    } else if (!wanted && spinning()) {
        spinner_->stop();
    }
}

void UpdateRow::animateLook()
{
    const qreal target = available() ? 1 : 0;
    lookAnimation_->stop();
    lookAnimation_->disconnect(this);
    if (Motion::shared().reduceMotion() || !isVisible()) {
        look_ = target;
        update();
        return;
    }
    const qreal from = look_;
    connect(lookAnimation_, &QVariantAnimation::valueChanged, this, [this, from, target] {
        look_ = from + (target - from) * spring.value(lookAnimation_->currentTime() / 1000.0);
        update();
    });
    connect(lookAnimation_, &QAbstractAnimation::finished, this, [this, target] {
        look_ = target;
        update();
    });
    lookAnimation_->start();
}

UpdateRow::Parts UpdateRow::parts(bool update) const
{
    Parts result;
    const QFontMetricsF title(titleFont());
    result.lineHeight = title.height();
    if (update) {
        result.mark = LeadingMark::redDot;
        result.markSize = QSizeF(redDotSide, redDotSide);
        result.title = tr("Update to %1").arg(available().value_or(QString()));
        result.trailing = tr("New");
        const QFontMetricsF badge(badgeFont());
        result.trailingSize
            = QSizeF(badge.horizontalAdvance(result.trailing) + 2 * badgePaddingX, badge.height() + 2 * badgePaddingY);
    } else {
        const UpdateController& updates = model_.updates();
        result.mark = !updates.canCheck() && updates.automaticallyChecks() ? LeadingMark::spinner : LeadingMark::arrows;
        const qreal side = result.mark == LeadingMark::spinner ? spinnerSide : arrowsSide();
        result.markSize = QSizeF(side, side);
        result.title = tr("Check for Updates");
        result.trailing = versionMark(UpdateController::appVersion());
        const MonospacedDigits digits(versionFont());
        result.trailingSize = QSizeF(digits.width(result.trailing), digits.metrics.height());
    }
    result.titleWidth = title.horizontalAdvance(result.title);
    return result;
}

qreal UpdateRow::titleRoom(const Parts& part, int rowWidth) const
{
    const qreal content = rowWidth - 2 * paddingX;
    return std::max(
        1.0, content - part.markSize.width() - spacing - spacing - minimumGap - spacing - part.trailingSize.width());
}

QStringList UpdateRow::wrappedTitle(const Parts& part, int rowWidth) const
{
    QTextLayout layout(part.title, titleFont());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    const qreal room = titleRoom(part, rowWidth);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room);
        lines.append(part.title.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

QStringList UpdateRow::titleLines() const
{
    return wrappedTitle(parts(available().has_value()), width());
}

int UpdateRow::heightForWidth(int width) const
{
    const Parts shown = parts(available().has_value());
    qreal height = shown.lineHeight * std::max<qsizetype>(1, wrappedTitle(shown, width).size());
    // The marks of both looks, so the row keeps its height when an update turns up.
    for (bool update : {false, true}) {
        const Parts each = parts(update);
        height = std::max({height, each.markSize.height(), each.trailingSize.height()});
    }
    return static_cast<int>(std::ceil(height)) + paddingY * 2;
}

QSize UpdateRow::sizeHint() const
{
    const Parts shown = parts(available().has_value());
    const qreal width = paddingX * 2 + shown.markSize.width() + spacing + shown.titleWidth + spacing + minimumGap
        + spacing + shown.trailingSize.width();
    const int rounded = static_cast<int>(std::ceil(width)) + 1;
    return QSize(rounded, heightForWidth(rounded));
}

QSize UpdateRow::minimumSizeHint() const
{
    // The title wraps, down to a few letters a line.
    const QSize natural = sizeHint();
    const Parts shown = parts(available().has_value());
    const qreal room = std::min(shown.titleWidth, QFontMetricsF(titleFont()).horizontalAdvance(u'M') * 3);
    const int width = natural.width() - static_cast<int>(shown.titleWidth - room);
    return QSize(width, heightForWidth(width));
}

QColor UpdateRow::titleColor(bool update) const
{
    const QColor primary = palette().color(QPalette::WindowText);
    if (!update) {
        return primary;
    }
    // The red title on the row's red wash: darkened (or lightened in the dark) until it reads as text should.
    const QColor red = Brand::systemRed.resolve(*this);
    const QColor fill = composited(withOpacity(red, 0.12), palette().color(QPalette::Window));
    return readableOn(red, fill, 4.5);
}

QColor UpdateRow::titleColor() const
{
    return titleColor(available().has_value());
}

void UpdateRow::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    update();
    DrawnButton::enterEvent(event);
}

void UpdateRow::leaveEvent(QEvent* event)
{
    hovered_ = false;
    update();
    DrawnButton::leaveEvent(event);
}

void UpdateRow::showEvent(QShowEvent* event)
{
    DrawnButton::showEvent(event);
    refreshSpinner();
}

void UpdateRow::hideEvent(QHideEvent* event)
{
    DrawnButton::hideEvent(event);
    refreshSpinner();
}

void UpdateRow::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal update = std::clamp(look_, 0.0, 1.0);
    if (update < 1) {
        paintContent(painter, false, 1 - update);
    }
    if (update > 0) {
        paintContent(painter, true, update);
    }
    if (FocusRing::shows(*this)) {
        painter.setOpacity(1);
        FocusRing::draw(painter, QRectF(rect()), cornerRadius, *this);
    }
}

void UpdateRow::paintContent(QPainter& painter, bool update, qreal opacity)
{
    const QColor redColor = Brand::systemRed.resolve(*this);
    const QColor primary = palette().color(QPalette::WindowText);
    const QColor secondary = palette().color(QPalette::PlaceholderText);

    painter.setOpacity(opacity);
    const QColor fill = update ? withOpacity(redColor, 0.12) : withOpacity(secondary, hovered_ ? 0.14 : 0.07);
    ContinuousShape::draw(painter, QRectF(rect()), cornerRadius, fill);
    // A row that cannot be clicked draws its content faintly.
    painter.setOpacity(opacity * (isEnabled() ? 1.0 : disabledOpacity));

    const Parts part = parts(update);
    const QRectF content = QRectF(rect()).adjusted(paddingX, paddingY, -paddingX, -paddingY);
    const qreal middle = content.center().y();
    const auto place = [this](const QRectF& box) {
        return QRectF(QStyle::visualRect(layoutDirection(), rect(), box.toAlignedRect()));
    };

    // Leading mark.
    const QRectF mark(content.left(), middle - part.markSize.height() / 2, part.markSize.width(),
                      part.markSize.height());
    switch (part.mark) {
    case LeadingMark::redDot:
        painter.setPen(Qt::NoPen);
        painter.setBrush(redColor);
        painter.drawEllipse(place(mark));
        break;
    case LeadingMark::spinner: {
        const QRectF ring = place(mark).adjusted(1, 1, -1, -1);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(withOpacity(secondary, 0.25), 1.6));
        painter.drawEllipse(ring);
        painter.setPen(QPen(secondary, 1.6, Qt::SolidLine, Qt::RoundCap));
        const int start = static_cast<int>(-spinner_->currentValue().toReal() * 16);
        painter.drawArc(ring, start, 100 * 16);
        break;
    }
    case LeadingMark::arrows:
        Symbols::paint(painter, place(mark), QStringLiteral("arrow.triangle.2.circlepath"), secondary,
                       Symbols::Weight::bold);
        break;
    }

    // Trailing mark, at the far end.
    const QRectF trailing(content.right() - part.trailingSize.width(), middle - part.trailingSize.height() / 2,
                          part.trailingSize.width(), part.trailingSize.height());
    if (update) {
        const QRectF badge = place(trailing);
        ContinuousShape::drawCapsule(painter, badge, redColor);
        painter.setFont(badgeFont());
        painter.setPen(Qt::white);
        painter.drawText(badge, Qt::AlignCenter, part.trailing);
    } else {
        painter.setFont(versionFont());
        painter.setPen(withOpacity(primary, tertiaryOpacity));
        const QRectF version = place(trailing);
        MonospacedDigits(versionFont()).draw(painter, version.topLeft(), version.height(), part.trailing);
    }

    // The title takes what is left, on as many lines as it needs.
    const qreal titleLeft = mark.right() + spacing;
    const qreal room = titleRoom(part, width());
    const QStringList lines = wrappedTitle(part, width());
    painter.setFont(titleFont());
    painter.setPen(titleColor(update));
    qreal top = middle - part.lineHeight * static_cast<qreal>(lines.size()) / 2;
    for (const QString& line : lines) {
        painter.drawText(place(QRectF(titleLeft, top, room + 1, part.lineHeight)),
                         Qt::AlignVCenter | Typography::leading(layoutDirection()), line);
        top += part.lineHeight;
    }
}

} // namespace quellarine
