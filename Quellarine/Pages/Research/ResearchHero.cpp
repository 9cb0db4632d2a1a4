#include "Quellarine/Pages/Research/ResearchHero.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Pages/Research/CountUp.h"
#include "Quellarine/Components/Percent.h"
#include "Quellarine/Pages/Research/Pill.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Pages/Research/LagBars.h"
#include "Quellarine/Components/PlainText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QVBoxLayout>

#include <cmath>

namespace quellarine {

namespace {

constexpr DynamicColor gradientTop = Brand::color(0x24573F, 0x1E4A36);
constexpr DynamicColor gradientBottom = Brand::color(0x0F2B1F, 0x0B2018);
constexpr qreal secondaryOpacity = 0.8;

QLabel* text(const QString& content, const QFont& font, qreal opacity)
{
    QLabel* label = plainText(content, font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgbF(1, 1, 1, opacity));
    label->setPalette(palette);
    return label;
}

} // namespace

ResearchHero::ResearchHero(QWidget* parent)
    : QWidget(parent)
{
    pill_ = new Pill(tr("Why it works"), QStringLiteral("text.book.closed"), Brand::onGradient, pillLook);
    pill_->setFont(Typography::system(Typography::pixelSize(Typography::TextStyle::callout), QFont::DemiBold));

    auto* heading = new QVBoxLayout;
    heading->setContentsMargins(0, 0, 0, 0);
    heading->setSpacing(8);
    heading->addWidget(text(tr("What a shaking hand does to a click, and how Quellarine answers."),
                            Typography::system(30, QFont::Bold, Typography::Design::rounded), 1.0));
    heading->addWidget(text(tr("Numbers from published studies of people using a mouse, each with the setting it led "
                               "to. Every source is at the bottom of the page."),
                            Typography::font(Typography::TextStyle::title3), secondaryOpacity));

    const auto wholePercent = [](double value) { return percent(value, 0); };
    const auto wholeMilliseconds
        = [](double value) { return tr("%1 ms").arg(LagBars::wholeNumber(static_cast<long long>(std::trunc(value)))); };
    // The figures share two rows, so their captions stand on one line whatever script a number is drawn in.
    auto* figures = new QGridLayout;
    figures->setContentsMargins(0, 4, 0, 0);
    figures->setHorizontalSpacing(0);
    figures->setVerticalSpacing(2);
    addFigure(*figures, 0.281, 0.15, wholePercent, tr("of clicks slipped"));
    addFigure(*figures, 92.0 / 233.0, 0.3, wholePercent, tr("of double-clicks failed"));
    addFigure(*figures, 25, 0.45, wholeMilliseconds, tr("delay with Balanced"));

    auto* content = new QVBoxLayout(this);
    content->setContentsMargins(padding, padding, padding, padding);
    content->setSpacing(18);
    content->addWidget(pill_, 0, Qt::AlignLeading);
    content->addLayout(heading);
    content->addLayout(figures);

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void ResearchHero::addFigure(QGridLayout& grid, double value, double delay,
                             const std::function<QString(double)>& format, const QString& caption)
{
    const int column = static_cast<int>(figures_.size());
    auto* number = new CountUp(value, delay, format);
    number->setFont(Typography::system(34, QFont::Bold, Typography::Design::rounded));
    QPalette palette = number->palette();
    palette.setColor(QPalette::WindowText, orange());
    number->setPalette(palette);
    figures_.append(number);
    // Each number just above its caption, read before it.
    grid.addWidget(number, 0, column, Qt::AlignLeading | Qt::AlignBottom);
    grid.addWidget(text(caption, Typography::font(Typography::TextStyle::callout), secondaryOpacity), 1, column,
                   Qt::AlignTop);
    grid.setColumnStretch(column, 1);
}

QPointF ResearchHero::glowCentre() const
{
    const qreal fromLeading = width() / 2.0 - glowOutward;
    const qreal x = layoutDirection() == Qt::RightToLeft ? width() - fromLeading : fromLeading;
    return QPointF(x, height() / 2.0 + glowDown);
}

void ResearchHero::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(rect());
    const QPainterPath shape = ContinuousShape::roundedRect(bounds, cornerRadius);
    painter.setClipPath(shape);

    const bool dark = Appearance::isDark(palette());
    const bool leftToRight = layoutDirection() != Qt::RightToLeft;
    QLinearGradient background(leftToRight ? bounds.topLeft() : bounds.topRight(),
                               leftToRight ? bounds.bottomRight() : bounds.bottomLeft());
    background.setColorAt(0, gradientTop.resolve(dark));
    background.setColorAt(1, gradientBottom.resolve(dark));
    painter.fillRect(bounds, background);

    // A blurred disc: full strength inside, fading over about twice the blur's reach around its edge.
    const qreal radius = glowDiameter / 2;
    const qreal reach = radius + glowBlur;
    QRadialGradient glow(glowCentre(), reach);
    const QColor orangeColor = orange();
    for (const auto& [at, strength] :
         {std::pair{0.0, 1.0}, std::pair{(radius - glowBlur / 2) / reach, 0.85}, std::pair{radius / reach, 0.5},
          std::pair{(radius + glowBlur / 2) / reach, 0.15}, std::pair{1.0, 0.0}}) {
        glow.setColorAt(at, withOpacity(orangeColor, glowOpacity * strength));
    }
    painter.fillRect(bounds, glow);
}

} // namespace quellarine
