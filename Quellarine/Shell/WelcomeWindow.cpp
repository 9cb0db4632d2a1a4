#include "Quellarine/Shell/WelcomeWindow.h"

#include "Quellarine/Pages/Welcome/WelcomeView.h"

#include <QVBoxLayout>

namespace quellarine {

WelcomeWindow::WelcomeWindow(AppModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("welcome"));
    setWindowTitle(tr("Welcome to Quellarine"));
    view_ = new WelcomeView(model, [this] { close(); }, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The window takes the size of its content and keeps to it.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(view_);
}

} // namespace quellarine
