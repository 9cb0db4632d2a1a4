#pragma once

#include "QuellarineKit/Services/Product.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QAbstractButton;
class QLabel;

namespace quellarine {

class AccessibilityCard;
class AppModel;
class ToggleSwitch;
class WebAddress;

// The page of the main window's help section: what Quellarine does, what it needs of this computer, the
// ways onward (the welcome guide again, writing to us from inside the application, our web site, a manual
// update check), the switch for automatic update checks, the running version and the medical disclaimer.
class HelpPage : public QWidget {
    Q_OBJECT

public:
    // Opens the window with this identity, or brings it forward when it is open.
    using OpenWindow = std::function<void(const QString& identity)>;

    static constexpr int spacing = 22;

    // The page links to the web site only when the build names one.
    HelpPage(AppModel& model, OpenWindow openWindow, std::optional<WebAddress> site = Product::page(),
             QWidget* parent = nullptr);

    // The text of the web-site link: the address's host, percent-encoded; a fixed host when it has none.
    static QString siteLinkText(const WebAddress& page);

    AccessibilityCard* accessibilityCard() const { return accessibilityCard_; }
    QAbstractButton* welcomeAction() const { return welcome_; }
    QAbstractButton* feedbackAction() const { return feedback_; }
    // None when the build names no web site.
    QAbstractButton* siteAction() const { return site_; }
    QAbstractButton* updateAction() const { return update_; }
    ToggleSwitch* automaticUpdatesSwitch() const { return automatic_; }

private:
    void refreshUpdates();

    AppModel& model_;
    OpenWindow openWindow_;
    AccessibilityCard* accessibilityCard_;
    QAbstractButton* welcome_;
    QAbstractButton* feedback_;
    QAbstractButton* site_ = nullptr;
    QAbstractButton* update_;
    ToggleSwitch* automatic_;
    QLabel* version_;
};

} // namespace quellarine
