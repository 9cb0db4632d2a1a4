#include "Quellarine/MainWindow.h"

namespace quellarine {

MainWindow::MainWindow(AppModel& model, QWidget* parent)
    : QMainWindow(parent)
    , model_(model)
{
    setObjectName(QStringLiteral("main"));
    setWindowTitle(tr("Quellarine"));
    setCentralWidget(new QWidget(this));
    resize(defaultSize);
}

} // namespace quellarine
