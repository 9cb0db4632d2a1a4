#include "Quellarine/Components/TapFailedNotice.h"

namespace quellarine {

TapFailedNotice::TapFailedNotice(QWidget* parent)
    : Notice(tr("The system didn't let Quellarine watch the pointer. Quit and open it again."), false, parent)
{
}

} // namespace quellarine
