#pragma once

#include <QAction>
#include <QString>

#include <optional>

namespace quellarine {

class UpdateController;

// The application menu's update command: "Update to 1.2…" while an update is known, otherwise "Check for
// Updates…". It is disabled only when the updater cannot check and no update is known, so a known update can
// always be reached.
class UpdateCommand : public QAction {
    Q_OBJECT

public:
    explicit UpdateCommand(UpdateController& updates, QObject* parent = nullptr);

    static QString label(const std::optional<QString>& available);
    static bool enabled(bool canCheck, const std::optional<QString>& available);

private:
    void refresh();

    UpdateController& updates_;
};

} // namespace quellarine
