#include "Quellarine/Components/Percent.h"

#include "QuellarineKit/Research/Percent.h"

#include <QLocale>

namespace quellarine {

QString percent(double fraction, int digits)
{
    return QString::fromStdString(percent(fraction, digits, QLocale().bcp47Name().toStdString()));
}

} // namespace quellarine
