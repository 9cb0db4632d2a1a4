#pragma once

#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <QWidget>

class QLabel;

namespace quellarine {

class AppModel;
class Card;
class KeyCaps;
class Notice;
class SymbolLabel;

// The global shortcuts that work in every application, with a warning where another application has taken one,
// and the emergency way out: five presses of Control. A self-contained block of cards that pages embed. It only
// presents the shortcuts; registering them and the "taken" flags belong to the model.
class ShortcutsSection : public QWidget {
    Q_OBJECT

public:
    // One shortcut drawn as key caps with a short caption: side by side when the caption fits on one line
    // beside the caps, otherwise the caps above the caption, which may then wrap.
    class Line : public QWidget {
    public:
        static constexpr int sideBySideSpacing = 14;
        static constexpr int stackedSpacing = 8;

        // `caption` is already localised.
        Line(const GlobalHotKey::Shortcut& shortcut, const QString& caption, QWidget* parent = nullptr);

        KeyCaps& keyCaps() const { return *caps_; }
        QLabel& caption() const { return *caption_; }

        // The width the side-by-side arrangement needs.
        int sideBySideWidth() const;
        // Whether the line is laid out side by side at its current width.
        bool sideBySide() const { return fits(width()); }

        bool hasHeightForWidth() const override { return true; }
        int heightForWidth(int width) const override;
        QSize sizeHint() const override;
        QSize minimumSizeHint() const override;

    protected:
        void resizeEvent(QResizeEvent* event) override;
        void changeEvent(QEvent* event) override;

    private:
        bool fits(int width) const { return width >= sideBySideWidth(); }
        void place();

        KeyCaps* caps_;
        QLabel* caption_;
    };

    static constexpr int spacing = 14;

    explicit ShortcutsSection(AppModel& model, QWidget* parent = nullptr);

    QLabel& title() const { return *title_; }
    Card& modeCard() const { return *modeCard_; }
    Card& toggleCard() const { return *toggleCard_; }
    Card& emergencyCard() const { return *emergencyCard_; }
    Line& modeLine() const { return *modeLine_; }
    Line& toggleLine() const { return *toggleLine_; }
    // The "Used by another app" warnings, each inside its own card; shown while the model says it is taken.
    Notice& modeWarning() const { return *modeWarning_; }
    Notice& toggleWarning() const { return *toggleWarning_; }
    SymbolLabel& emergencyLabel() const { return *emergencyLabel_; }

private:
    void refresh();

    AppModel& model_;
    QLabel* title_;
    Card* modeCard_;
    Card* toggleCard_;
    Card* emergencyCard_;
    Line* modeLine_;
    Line* toggleLine_;
    Notice* modeWarning_;
    Notice* toggleWarning_;
    SymbolLabel* emergencyLabel_;
};

} // namespace quellarine
