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

// The global shortcuts that work in every application, with a warning where one does not work (another application
// has taken it, the desktop has not given it, or nothing in this session hears it), and the emergency way out: five
// presses of Control, or where it is not heard, the other ways to turn smoothing off and how to let Quellarine hear
// the keys. A self-contained block of cards that pages embed. It only presents the shortcuts; registering them and
// their states belong to the model's mode switcher.
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
        // The desktop's own words for the keys it assigned, shown in place of the caps; empty: the caps.
        void setAssignedKeys(const QString& keys);
        QLabel& assignedKeys() const { return *assigned_; }

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
        // The caps, or the desktop's words for the keys.
        QWidget& keys() const;

        KeyCaps* caps_;
        QLabel* assigned_;
        QLabel* caption_;
    };

    static constexpr int spacing = 14;

    explicit ShortcutsSection(AppModel& model, QWidget* parent = nullptr);

    QLabel& title() const { return *title_; }
    QLabel& subtitle() const { return *subtitle_; }
    Card& modeCard() const { return *modeCard_; }
    Card& toggleCard() const { return *toggleCard_; }
    Card& emergencyCard() const { return *emergencyCard_; }
    Line& modeLine() const { return *modeLine_; }
    Line& toggleLine() const { return *toggleLine_; }
    // The warnings, each inside its own card ("Used by another app" and the like); shown while the key does not work.
    Notice& modeWarning() const { return *modeWarning_; }
    Notice& toggleWarning() const { return *toggleWarning_; }
    SymbolLabel& emergencyLabel() const { return *emergencyLabel_; }
    // How to let Quellarine hear the keys, with the command; shown only where nothing hears them.
    QLabel& grantText() const { return *grantText_; }
    QLabel& grantCommand() const { return *grantCommand_; }

private:
    void refresh();

    AppModel& model_;
    QLabel* title_;
    QLabel* subtitle_;
    QLabel* modeDetail_;
    Card* modeCard_;
    Card* toggleCard_;
    Card* emergencyCard_;
    Line* modeLine_;
    Line* toggleLine_;
    Notice* modeWarning_;
    Notice* toggleWarning_;
    SymbolLabel* emergencyLabel_;
    QLabel* grantText_;
    QLabel* grantCommand_;
};

} // namespace quellarine
