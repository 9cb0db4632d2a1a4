#include "Quellarine/Pages/Feedback/FieldFrame.h"

#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/Style/DynamicColor.h"

#include <QEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace quellarine {

FieldFrame::FieldFrame(QWidget* input, qreal radius, QWidget* parent)
    : QWidget(parent)
    , input_(input)
    , radius_(radius)
{
    auto* layout = new QVBoxLayout(this);
    // Room for the focus ring, clear of the text.
    const int ring = static_cast<int>(FocusRing::width);
    layout->setContentsMargins(ring, ring, ring, ring);
    layout->addWidget(input_);
    input_->installEventFilter(this);
    input_->setAutoFillBackground(false);
    input_->setAttribute(Qt::WA_TranslucentBackground);
}

bool FieldFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == input_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        update();
    }
    return QWidget::eventFilter(watched, event);
}

void FieldFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF shape(rect());
    // A field shows the focus however it came there: the caret alone is too easy to miss.
    if (input_->hasFocus()) {
        ContinuousShape::draw(painter, shape, radius_, palette().color(QPalette::Base));
        FocusRing::draw(painter, shape, radius_, *this);
        return;
    }
    ContinuousShape::draw(painter, shape, radius_, palette().color(QPalette::Base),
                          withOpacity(palette().color(QPalette::WindowText), 0.15), 1);
}

} // namespace quellarine
