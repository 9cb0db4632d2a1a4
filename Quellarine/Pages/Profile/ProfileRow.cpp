#include "Quellarine/Pages/Profile/ProfileRow.h"

#include "Quellarine/Components/Style/Typography.h"

#include <QHBoxLayout>
#include <QLabel>

namespace quellarine {

ProfileRow::ProfileRow(const QString& label, QWidget* control, QWidget* parent)
    : QWidget(parent)
    , label_(new QLabel(label))
    , control_(control)
{
    label_->setTextFormat(Qt::PlainText);
    label_->setFont(Typography::font(Typography::TextStyle::body));
    label_->setBuddy(control);
    if (control->accessibleName().isEmpty()) {
        control->setAccessibleName(label);
    }
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    layout->addWidget(label_, 0, Qt::AlignVCenter);
    // A control that wants the width (a text field) takes what the label leaves; any other keeps its own size
    // at the trailing edge.
    const bool widens = control->sizePolicy().horizontalPolicy() & QSizePolicy::ExpandFlag;
    if (!widens) {
        layout->addStretch(1);
    }
    layout->addWidget(control, widens ? 1 : 0, Qt::AlignVCenter);
}

} // namespace quellarine
