#include "Quellarine/Pages/Profile/DetailField.h"

#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QPainter>

namespace quellarine {

DetailField::DetailField(const QString& label, const QString& prompt, QWidget* parent)
    : QLineEdit(parent)
{
    setFrame(false);
    setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    setPlaceholderText(prompt);
    setAccessibleName(label);
    setFont(Typography::font(Typography::TextStyle::body));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(height);
    // Room inside the ring, so the ring never covers the text.
    const int inset = static_cast<int>(FocusRing::width) + 4;
    setTextMargins(inset, 0, inset, 0);
    // The card shows through: the field is text on it.
    QPalette clear = palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    setPalette(clear);
}

void DetailField::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (FocusRing::shows(*this)) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        FocusRing::draw(painter, QRectF(rect()), cornerRadius, *this);
    }
}

} // namespace quellarine
