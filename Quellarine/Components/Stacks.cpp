#include "Quellarine/Components/Stacks.h"

#include <QVBoxLayout>

namespace quellarine {

QVBoxLayout* verticalStack(QWidget* owner, int spacing)
{
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}

} // namespace quellarine
