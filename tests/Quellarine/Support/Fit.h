#pragma once

#include <QSize>
#include <QStringList>

class QWidget;

namespace quellarine::testing {

// What a person would find cut off in a window as it stands: a text shortened with an ellipsis or drawn past
// its box, a control reaching outside the widget that holds it (only a scroll view's content may run on
// downwards), a scroll bar across (content wider than its view), and a window larger than the room given.
// Each finding names the widget and its text.
class Fit {
public:
    // `room` is the screen's room for the window and its title bar, `titleBar` the height a title bar takes
    // where the window system has put none around the window yet; an empty room skips that check.
    static QStringList problems(QWidget& window, QSize room = {}, int titleBar = 0);

    // The texts a widget is known to say (its text, title, accessible name, ...): what a drawn ellipsis may be
    // part of without the text having been shortened.
    static QStringList knownTexts(QWidget& widget);

    // "QLabel 'text'": a widget named so a person finds it.
    static QString describe(QWidget& widget);
};

} // namespace quellarine::testing
