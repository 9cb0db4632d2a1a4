#include "Quellarine/Components/SectionTitle.h"

#include "Quellarine/Components/Style/Typography.h"

#include <QLocale>

namespace quellarine {

SectionTitle::SectionTitle(const QString& text, QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setText(QLocale().toUpper(text));
    setAccessibleName(text);
    setFont(Typography::system(12, QFont::DemiBold));
    setForegroundRole(QPalette::PlaceholderText);
}

} // namespace quellarine
