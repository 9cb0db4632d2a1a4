#pragma once

#include <QString>
#include <QWidget>

class QGraphicsDropShadowEffect;
class QLabel;
class QVariantAnimation;

namespace quellarine {

class AppModel;
class LogoMark;
class ProminentButton;
class ToggleSwitch;

// The home page's status card: the logo, whether steadying works (with the active preset), the switch, and,
// without the Accessibility permission, the way to grant it. It shows `isOn` (the tap really filtering); the
// switch shows `wantsOn` (the user's wish), so the card can say off while the switch stands on.
class HomeHeader : public QWidget {
    Q_OBJECT

public:
    static constexpr int padding = 24;
    static constexpr int spacing = 20;
    static constexpr qreal cornerRadius = 20;
    static constexpr int logoSide = 64;
    static constexpr int animationMilliseconds = 300;

    // A line of the text column holding the "on" and the "off" variant of its text on top of each other. The
    // variant for the current state is opaque, the other invisible and silent to assistive technology, so the
    // line is always as tall as the taller variant and the card keeps its size when smoothing is switched.
    class Line : public QWidget {
    public:
        Line(const QFont& font, bool wraps, QWidget* parent = nullptr);

        void setTexts(const QString& on, const QString& off);
        // Which variant stands for the state now: the one read to assistive technology.
        void setShowsOn(bool on);
        // The colours of the two variants; `onness` (0 off, 1 on, between while it changes) fades one into
        // the other.
        void setLook(const QColor& onColor, const QColor& offColor, qreal onness);

        QLabel& onVariant() const { return *on_; }
        QLabel& offVariant() const { return *off_; }
        // The variant shown now.
        QString text() const;

        bool hasHeightForWidth() const override { return true; }
        int heightForWidth(int width) const override;
        QSize sizeHint() const override;
        QSize minimumSizeHint() const override;

    protected:
        void resizeEvent(QResizeEvent* event) override;

    private:
        QLabel* on_;
        QLabel* off_;
        bool showsOn_ = false;
    };

    explicit HomeHeader(AppModel& model, QWidget* parent = nullptr);

    Line& titleLine() const { return *title_; }
    QString title() const { return title_->text(); }
    QString subtitle() const { return subtitle_->text(); }
    ProminentButton& allowButton() const { return *allowButton_; }
    ToggleSwitch& toggle() const { return *switch_; }
    // How far the card has turned to its "on" look: 0 off, 1 on (between while it animates).
    qreal onness() const { return onness_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refresh();
    void refreshLook();
    void animate();

    AppModel& model_;
    LogoMark* logo_;
    Line* title_;
    Line* subtitle_;
    ProminentButton* allowButton_;
    ToggleSwitch* switch_;
    QGraphicsDropShadowEffect* shadow_;
    QVariantAnimation* animation_;
    qreal onness_ = 0;
};

} // namespace quellarine
