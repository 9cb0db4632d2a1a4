#include "Quellarine/Pages/Calibration/CalibrationStage.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/Style/AccessibleRole.h"
#include "Quellarine/Components/SpringAnimation.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Pages/Calibration/CalibrationSession.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

using Step = CalibrationSession::Step;

constexpr Spring targetSpring{.response = 0.3, .dampingFraction = 0.6};

} // namespace

CalibrationStage::CalibrationStage(CalibrationSession& session, QWidget* parent)
    : QWidget(parent)
    , session_(session)
    , targetMotion_(new SpringAnimation(targetSpring, this))
{
    // Positions on the stage are the stage's own, whatever the reading direction.
    setLayoutDirection(Qt::LeftToRight);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(tr("Test area"));
    AccessibleRole::set(*this, QAccessible::Graphic);
    targetTo_ = targetFrom_ = session_.targetPoint(std::min(session_.target(), CalibrationProtocol::targetCount - 1));

    frames_.setTimerType(Qt::PreciseTimer);
    frames_.setInterval(frameInterval);
    connect(&frames_, &QTimer::timeout, this, &CalibrationStage::frame);
    connect(&session_, &CalibrationSession::stepChanged, this, &CalibrationStage::stepChanged);
    connect(&session_, &CalibrationSession::targetChanged, this, &CalibrationStage::targetChanged);
    connect(targetMotion_, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
    stepChanged();
}

QRect CalibrationStage::stageRect() const
{
    const QSize size = session_.area().toSize();
    return QRect(QPoint((width() - size.width()) / 2, 0), size);
}

Point CalibrationStage::toStage(QPointF framePoint) const
{
    const QPoint origin = stageRect().topLeft();
    return {framePoint.x() - origin.x(), framePoint.y() - origin.y()};
}

QPointF CalibrationStage::toFrame(Point stagePoint) const
{
    const QPoint origin = stageRect().topLeft();
    return {stagePoint.x + origin.x(), stagePoint.y + origin.y()};
}

Point CalibrationStage::shownTarget() const
{
    const double progress = targetMotion_->state() == QAbstractAnimation::Running ? targetMotion_->value() : 1.0;
    return targetFrom_ + (targetTo_ - targetFrom_) * progress;
}

QString CalibrationStage::counterText() const
{
    // Plain numbers, the same in every language.
    return QStringLiteral("%1 / %2")
        .arg(std::min(session_.target() + 1, CalibrationProtocol::targetCount))
        .arg(CalibrationProtocol::targetCount);
}

QSize CalibrationStage::sizeHint() const
{
    return session_.area().toSize();
}

void CalibrationStage::frame()
{
    session_.tick(session_.now());
    update();
}

void CalibrationStage::stepChanged()
{
    const Step step = session_.step();
    if (step == Step::hold || step == Step::follow) {
        frames_.start();
    } else {
        frames_.stop();
    }
    updateGeometry();
    update();
}

void CalibrationStage::targetChanged(int target)
{
    targetFrom_ = shownTarget();
    targetTo_ = session_.targetPoint(std::min(target, CalibrationProtocol::targetCount - 1));
    targetMotion_->animate(0, 1);
    update();
}

void CalibrationStage::mouseMoveEvent(QMouseEvent* event)
{
    session_.record(toStage(event->position()));
}

void CalibrationStage::mousePressEvent(QMouseEvent* event)
{
    const Point at = toStage(event->position());
    session_.beginPress(at);
    session_.record(at);
}

void CalibrationStage::mouseReleaseEvent(QMouseEvent* event)
{
    session_.endPress(toStage(event->position()));
}

void CalibrationStage::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect stage = stageRect();
    painter.fillPath(ContinuousShape::roundedRect(QRectF(stage), cornerRadius), fill.resolve(*this));
    painter.translate(stage.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), stage.size()));

    const double elapsed = session_.elapsed();
    switch (session_.step()) {
    case Step::hold:
        paintRing(painter, session_.centre(), session_.started() ? elapsed / CalibrationProtocol::holdSeconds : 0.0,
                  session_.started() ? QString() : tr("Put the pointer here"));
        break;
    case Step::follow:
        paintRing(painter, session_.dotPosition(elapsed), elapsed / CalibrationProtocol::followSeconds, QString());
        break;
    case Step::clicks:
        paintTargets(painter);
        break;
    case Step::intro:
    case Step::working:
    case Step::done:
        break;
    }
}

void CalibrationStage::paintRing(QPainter& painter, Point at, double progress, const QString& caption) const
{
    const QPointF centre(at.x, at.y);
    const QRectF ring(centre.x() - ringSide / 2, centre.y() - ringSide / 2, ringSide, ringSide);
    const QRectF stroked = ring.adjusted(ringWidth / 2, ringWidth / 2, -ringWidth / 2, -ringWidth / 2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(withOpacity(Qt::white, 0.15), ringWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawEllipse(stroked);
    const double share = std::clamp(progress, 0.0, 1.0);
    if (share > 0) {
        // From the top, clockwise.
        painter.setPen(QPen(Brand::highlight(), ringWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(stroked, 90 * 16, -static_cast<int>(std::lround(share * 360 * 16)));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, dotSide / 2, dotSide / 2);
    if (!caption.isEmpty()) {
        QFont font = Typography::font(Typography::TextStyle::callout);
        font.setWeight(QFont::DemiBold);
        painter.setFont(font);
        painter.setPen(Qt::white);
        const QFontMetricsF metrics(font);
        const qreal width = metrics.horizontalAdvance(caption) + 2;
        const QRectF box(centre.x() - width / 2, centre.y() + captionOffset - metrics.height() / 2, width,
                         metrics.height());
        painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, caption);
    }
}

void CalibrationStage::paintTargets(QPainter& painter) const
{
    if (session_.target() < CalibrationProtocol::targetCount) {
        const Point at = shownTarget();
        const QPointF centre(at.x, at.y);
        painter.setPen(Qt::NoPen);
        // The halo is the area a press hits.
        painter.setBrush(withOpacity(Brand::highlight(), 0.25));
        painter.drawEllipse(centre, CalibrationProtocol::hitRadius, CalibrationProtocol::hitRadius);
        painter.setBrush(Brand::highlight());
        painter.drawEllipse(centre, 20, 20);
        painter.setBrush(Qt::white);
        painter.drawEllipse(centre, 4, 4);
    }
    QFont font = Typography::system(Typography::pixelSize(Typography::TextStyle::callout), QFont::DemiBold,
                                    Typography::Design::monospaced);
    painter.setFont(font);
    painter.setPen(withOpacity(Qt::white, 0.7));
    const QRectF corner(0, counterInset, session_.area().width() - counterInset, QFontMetricsF(font).height());
    painter.drawText(corner, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, counterText());
}

} // namespace quellarine
