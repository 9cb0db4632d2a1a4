#pragma once

#include <QObject>
#include <QPalette>

#include <optional>

namespace quellarine {

class SettingsPortal;

// Whether the application looks light or dark. The user chooses system, light or dark; "system" follows the
// desktop's colour-scheme preference where the desktop offers one over D-Bus, otherwise the platform's own
// palette. The look itself (style, font, palettes) is applied above this layer, following `changed`.
class Appearance : public QObject {
    Q_OBJECT

public:
    enum class Choice { system, light, dark };

    // The one instance, created on first use with the application as its parent.
    static Appearance& shared();

    // Starts listening to the desktop's preference; once is enough.
    void followDesktop();

    // Follows the colour-scheme preference that this portal reports.
    void follow(SettingsPortal& portal);

    Choice choice() const { return choice_; }
    void setChoice(Choice choice);

    // The desktop's preference: dark, light, or none known.
    void setDesktopPrefersDark(std::optional<bool> dark);

    // The appearance in effect.
    bool isDark() const { return dark_; }

    // Whether a palette draws the dark appearance: its window colour is dark.
    static bool isDark(const QPalette& palette);

    // The portal's "color-scheme" value: 1 prefers dark, 2 prefers light, anything else states no preference.
    static std::optional<bool> prefersDarkFromColorScheme(const QVariant& value);

signals:
    void changed(bool dark);

private:
    explicit Appearance(QObject* parent);
    bool effectiveDark() const;
    void update();

    Choice choice_ = Choice::system;
    std::optional<bool> desktopPrefersDark_;
    bool platformDark_ = false;
    bool dark_ = false;
    bool followsDesktop_ = false;
};

} // namespace quellarine
