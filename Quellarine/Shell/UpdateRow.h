#pragma once

#include "Quellarine/Components/Style/DynamicColor.h"
#include "Quellarine/Components/Spring.h"

#include "Quellarine/Components/DrawnButton.h"

#include <optional>

class QVariantAnimation;

namespace quellarine {

class AppModel;

// The small update button at the foot of the main window's sidebar. With no update known it offers a check
// (a spinner while the updater cannot start one and checks by itself, the circular arrows otherwise) and names
// the running version; once a newer version is known it turns red, names that version and carries a "New"
// badge. A click is the user's update check either way.
class UpdateRow : public DrawnButton {
    Q_OBJECT

public:
    static constexpr Spring spring{.response = 0.5, .dampingFraction = 0.85};
    static constexpr qreal cornerRadius = 10;

    enum class LeadingMark { redDot, spinner, arrows };

    explicit UpdateRow(AppModel& model, QWidget* parent = nullptr);

    // What the row shows now, as the update controller stands.
    std::optional<QString> available() const;
    LeadingMark leadingMark() const;
    QString title() const;
    // "New" with an update known, otherwise the version mark of the running version.
    QString trailingText() const;
    // "v" and the version, shown as it is; "v" alone for a build without a version.
    static QString versionMark(const QString& version);
    bool hovered() const { return hovered_; }
    // How far the row has turned to its update look: 0 none known, 1 known (beyond either while the spring
    // swings).
    qreal updateLook() const { return look_; }
    // Whether the spinner is turning.
    bool spinning() const;

    // The title wraps onto further lines rather than being cut, and the row grows to hold them.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The title's lines at the row's width, in the look now shown.
    QStringList titleLines() const;
    // The title's colour on the row's own fill, in the look now shown.
    QColor titleColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Parts;
    Parts parts(bool update) const;
    qreal titleRoom(const Parts& part, int rowWidth) const;
    QStringList wrappedTitle(const Parts& part, int rowWidth) const;
    QColor titleColor(bool update) const;
    void paintContent(QPainter& painter, bool update, qreal opacity);
    void refresh();
    void animateLook();
    void refreshSpinner();

    AppModel& model_;
    bool hovered_ = false;
    qreal look_ = 0;
    QVariantAnimation* lookAnimation_;
    QVariantAnimation* spinner_;
};

} // namespace quellarine
