#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace quellarine {

// The application's windows, each known by its identity ("welcome", "main"). A window is made the first time
// it is opened; opening it again while it exists brings that window forward instead of making a second one.
// A window that the user closes is gone, and the next opening makes it afresh.
class WindowRegistry : public QObject {
    Q_OBJECT

public:
    // Makes the window's widget; the registry shows it as a top-level window.
    using Factory = std::function<QWidget*()>;

    explicit WindowRegistry(QObject* parent = nullptr);
    ~WindowRegistry() override;

    // Declares how the window with this identity is made; a later declaration replaces an earlier one.
    void declare(const QString& identity, Factory make);

    // Shows the window, making it first when it does not exist, then raises it and gives it the focus.
    // Returns the window, or none for an identity that was never declared.
    QWidget* open(const QString& identity);

    // The window, made when it does not exist yet but not shown: for settings that must be in place before the
    // window system first sees it. None for an identity that was never declared.
    QWidget* prepare(const QString& identity);

    // The window while it exists (shown or not), else none.
    QWidget* window(const QString& identity) const;

private:
    QHash<QString, Factory> factories_;
    QHash<QString, QPointer<QWidget>> windows_;
};

} // namespace quellarine
