#include "Quellarine/Pages/Feedback/FieldFrame.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"

#include <QEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace quellarine {

FieldFrame::FieldFrame(QWidget* input, qreal radius, bool ringsOnFocus, QWidget* parent)
    : QWidget(parent)
    , input_(input)
    , radius_(radius)
    , ringsOnFocus_(ringsOnFocus)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
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
    const bool focused = input_->hasFocus();
    // Every field shows the keyboard focus; the message editor with the brand's wider ring.
    const QColor border = focused ? withOpacity(Brand::accent.resolve(*this), ringsOnFocus_ ? 0.7 : 0.9)
                                  : withOpacity(palette().color(QPalette::WindowText), 0.15);
    ContinuousShape::draw(painter, shape, radius_, palette().color(QPalette::Base), border, focused ? 2 : 1);
}

} // namespace quellarine
