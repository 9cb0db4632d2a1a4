#include "Quellarine/Components/Style/Look.h"

#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Components/Style/ControlStyle.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QApplication>
#include <QStyleFactory>

namespace quellarine {

namespace {

struct Roles {
    QRgb window, windowText, base, alternateBase, text, button, buttonText, brightText;
    QRgb light, midlight, mid, dark, shadow;
    QRgb highlight, highlightedText, link, linkVisited, toolTipBase, toolTipText, secondaryText;
    QRgb disabledText, disabledButton, disabledHighlight;
};

QPalette makePalette(const Roles& r)
{
    QPalette palette;
    const auto set
        = [&palette](QPalette::ColorRole role, QRgb value) { palette.setColor(QPalette::All, role, QColor(value)); };
    set(QPalette::Window, r.window);
    set(QPalette::WindowText, r.windowText);
    set(QPalette::Base, r.base);
    set(QPalette::AlternateBase, r.alternateBase);
    set(QPalette::Text, r.text);
    set(QPalette::Button, r.button);
    set(QPalette::ButtonText, r.buttonText);
    set(QPalette::BrightText, r.brightText);
    set(QPalette::Light, r.light);
    set(QPalette::Midlight, r.midlight);
    set(QPalette::Mid, r.mid);
    set(QPalette::Dark, r.dark);
    set(QPalette::Shadow, r.shadow);
    set(QPalette::Highlight, r.highlight);
    set(QPalette::HighlightedText, r.highlightedText);
    set(QPalette::Link, r.link);
    set(QPalette::LinkVisited, r.linkVisited);
    set(QPalette::ToolTipBase, r.toolTipBase);
    set(QPalette::ToolTipText, r.toolTipText);
    // Secondary text (captions, subtitles) uses the placeholder role: labels pick it as their foreground role.
    set(QPalette::PlaceholderText, r.secondaryText);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, QColor(r.disabledText));
    }
    palette.setColor(QPalette::Disabled, QPalette::Button, QColor(r.disabledButton));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(r.disabledHighlight));
    return palette;
}

} // namespace

void Look::install()
{
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    QApplication::setStyle(new ControlStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    QApplication::setFont(Typography::font(Typography::TextStyle::body));
    Appearance& appearance = Appearance::shared();
    // Connected before any view exists, so the palette is in place when views hear of the change.
    QObject::connect(&appearance, &Appearance::changed, qApp,
                     [](bool dark) { QApplication::setPalette(dark ? darkPalette() : lightPalette()); });
    appearance.followDesktop();
    QApplication::setPalette(appearance.isDark() ? darkPalette() : lightPalette());
}

QPalette Look::lightPalette()
{
    return makePalette(Roles{
        .window = 0xF6F7F6,
        .windowText = 0x1C1F1D,
        .base = 0xFFFFFF,
        .alternateBase = 0xF1F3F1,
        .text = 0x1C1F1D,
        .button = 0xFBFBFA,
        .buttonText = 0x1C1F1D,
        .brightText = 0xFFFFFF,
        .light = 0xFFFFFF,
        .midlight = 0xEEF0EE,
        .mid = 0xC9CDCA,
        .dark = 0xA3A8A5,
        .shadow = 0x7A807C,
        .highlight = 0x2F6B4F,
        .highlightedText = 0xFFFFFF,
        .link = 0x2F6B4F,
        .linkVisited = 0x1F4D38,
        .toolTipBase = 0xFFFFFF,
        .toolTipText = 0x1C1F1D,
        .secondaryText = 0x646A66,
        .disabledText = 0xA4A8A6,
        .disabledButton = 0xF1F2F1,
        .disabledHighlight = 0x9BB0A5,
    });
}

QPalette Look::darkPalette()
{
    return makePalette(Roles{
        .window = 0x1D201F,
        .windowText = 0xECEEED,
        .base = 0x161817,
        .alternateBase = 0x222624,
        .text = 0xECEEED,
        .button = 0x2A2E2C,
        .buttonText = 0xECEEED,
        .brightText = 0xFFFFFF,
        .light = 0x3A3F3C,
        .midlight = 0x303432,
        .mid = 0x242826,
        .dark = 0x121413,
        .shadow = 0x000000,
        .highlight = 0x6FBF95,
        .highlightedText = 0x0E1A14,
        .link = 0x6FBF95,
        .linkVisited = 0x8FD0AC,
        .toolTipBase = 0x2A2E2C,
        .toolTipText = 0xECEEED,
        .secondaryText = 0x9CA29F,
        .disabledText = 0x5F6562,
        .disabledButton = 0x232725,
        .disabledHighlight = 0x3E5A4B,
    });
}

} // namespace quellarine
