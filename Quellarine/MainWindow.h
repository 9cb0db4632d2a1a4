#pragma once

#include <QMainWindow>

namespace quellarine {

class AppModel;

// The "main" window, where the user reaches every page of the application. Its object name starts with
// "main", which is how other parts (the update alert) find it among the application's windows.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr QSize defaultSize{900, 680};

    explicit MainWindow(AppModel& model, QWidget* parent = nullptr);

    AppModel& model() const { return model_; }

private:
    AppModel& model_;
};

} // namespace quellarine
