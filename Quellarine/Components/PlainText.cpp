#include "Quellarine/Components/PlainText.h"

#include "Quellarine/Components/InkRoom.h"

#include <QLabel>

namespace quellarine {

QLabel* plainText(const QString& text, const QFont& font, bool secondary)
{
    auto* label = new QLabel(text);
    label->setFont(font);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    InkRoom::keep(*label);
    if (secondary) {
        label->setForegroundRole(QPalette::PlaceholderText);
    }
    return label;
}

} // namespace quellarine
