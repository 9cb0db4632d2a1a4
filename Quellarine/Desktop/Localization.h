#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace quellarine {

class Defaults;

// The language the application runs in. The user's own choice, stored under "AppleLanguages" as an array of one
// code, comes first; otherwise the first of the system's interface languages that the application is translated
// into; otherwise English. The choice is made once at launch, before any window exists: a changed choice takes
// effect at the next start.
class Localization {
public:
    Localization() = delete;

    // The codes of the eleven languages the application speaks, in the order the profile lists them.
    static const QStringList& languages();

    // The one of the eleven that a language tag (BCP 47, "pt-BR", or a POSIX name, "pt_BR") asks for: the
    // language itself, its Brazilian Portuguese for any Portuguese, simplified Chinese for Chinese unless the
    // tag asks for the traditional script or a region that writes it. None when the application lacks it.
    static std::optional<QString> language(const QString& tag);

    // The stored choice when its first element is one of the eleven codes exactly.
    static std::optional<QString> storedChoice(const Defaults& defaults);

    // The language to run in: the stored choice, else the first system language the application speaks, else
    // English.
    static QString choose(const Defaults& defaults, const QStringList& systemLanguages);

    // Runs the application in this language (one of the eleven; anything else is English): installs its
    // translations and Qt's own where the system has them, makes its locale the default for formatting
    // numbers, and lays out right to left for Arabic. Replaces what an earlier call installed. Needs the
    // application object.
    static void apply(const QString& code);

    // A text of the application in the system's language, without the application object (for the few lines
    // printed before it exists or where making it failed).
    static QString translateForSystem(const char* context, const char* sourceText);

    // The language in effect: the code last applied, "en" before that.
    static QString current();

    // The locale that formats numbers and dates for a language: the system's own locale when it is in that
    // language, otherwise the language in the system's region where there is such a locale, else the language's
    // usual one.
    static QLocale locale(const QString& code, const QLocale& system = QLocale::system());
};

} // namespace quellarine
