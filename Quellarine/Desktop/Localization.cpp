#include "Quellarine/Desktop/Localization.h"

#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/Resources.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <algorithm>

namespace quellarine {

namespace {

const QString english = QStringLiteral("en");

QString current_ = english;
QPointer<QTranslator> ownTranslator;
QPointer<QTranslator> qtTranslator;

bool isScript(const QString& subtag)
{
    return subtag.size() == 4 && std::all_of(subtag.begin(), subtag.end(), [](QChar c) { return c.isLetter(); });
}

// Regions that write Chinese in the traditional script.
bool writesTraditionalChinese(const QString& region)
{
    return region == u"tw" || region == u"hk" || region == u"mo";
}

// QLocale reads the underscore form ("zh_Hans", "pt_BR").
QString localeName(const QString& code)
{
    QString name = code;
    return name.replace(u'-', u'_');
}

QString translationFile(const QString& code)
{
    return QStringLiteral(":/translations/quellarine_%1.qm").arg(localeName(code));
}

void removeTranslator(QPointer<QTranslator>& translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace

const QStringList& Localization::languages()
{
    static const QStringList codes{english,
                                   QStringLiteral("ar"),
                                   QStringLiteral("bn"),
                                   QStringLiteral("zh-Hans"),
                                   QStringLiteral("es"),
                                   QStringLiteral("fr"),
                                   QStringLiteral("hi"),
                                   QStringLiteral("id"),
                                   QStringLiteral("pt-BR"),
                                   QStringLiteral("ru"),
                                   QStringLiteral("tr")};
    return codes;
}

std::optional<QString> Localization::language(const QString& tag)
{
    // A POSIX name may carry an encoding and a modifier: "pt_BR.UTF-8@euro".
    QString name = tag.trimmed().toLower();
    name = name.left(name.indexOf(u'.')).left(name.indexOf(u'@')).replace(u'_', u'-');
    const QStringList subtags = name.split(u'-', Qt::SkipEmptyParts);
    if (subtags.isEmpty()) {
        return std::nullopt;
    }
    const QString& language = subtags.first();
    if (language == u"zh") {
        for (const QString& subtag : subtags.sliced(1)) {
            if (isScript(subtag)) {
                // The script, when given, decides over the region.
                return subtag == u"hans" ? std::optional(QStringLiteral("zh-Hans")) : std::nullopt;
            }
        }
        for (const QString& subtag : subtags.sliced(1)) {
            if (writesTraditionalChinese(subtag)) {
                return std::nullopt;
            }
        }
        return QStringLiteral("zh-Hans");
    }
    if (language == u"pt") {
        return QStringLiteral("pt-BR");
    }
    for (const QString& code : languages()) {
        if (code == language) {
            return code;
        }
    }
    return std::nullopt;
}

std::optional<QString> Localization::storedChoice(const Defaults& defaults)
{
    const auto stored = defaults.stringList(QStringLiteral("AppleLanguages"));
    if (!stored || stored->isEmpty() || !languages().contains(stored->first())) {
        return std::nullopt;
    }
    return stored->first();
}

QString Localization::choose(const Defaults& defaults, const QStringList& systemLanguages)
{
    if (auto stored = storedChoice(defaults)) {
        return *stored;
    }
    for (const QString& tag : systemLanguages) {
        if (auto code = language(tag)) {
            return *code;
        }
    }
    return english;
}

QString Localization::translateForSystem(const char* context, const char* sourceText)
{
    const std::optional<QString> code = language(QLocale::system().name());
    if (code && *code != english) {
        Resources::ensureLoaded();
        QTranslator translator;
        if (translator.load(translationFile(*code))) {
            if (QString translated = translator.translate(context, sourceText); !translated.isEmpty()) {
                return translated;
            }
        }
    }
    return QString::fromUtf8(sourceText);
}

void Localization::apply(const QString& code)
{
    const QString chosen = languages().contains(code) ? code : english;
    removeTranslator(ownTranslator);
    removeTranslator(qtTranslator);

    if (chosen != english) {
        Resources::ensureLoaded();
        auto* own = new QTranslator(QCoreApplication::instance());
        if (own->load(translationFile(chosen))) {
            QCoreApplication::installTranslator(own);
            ownTranslator = own;
        } else {
            qWarning("Quellarine: the translations for %s are missing; the interface stays in English",
                     qPrintable(chosen));
            delete own;
        }
        // Qt's own texts (standard buttons, context menus), for the languages the system has them in.
        auto* qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(QLocale(localeName(chosen)), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt);
            qtTranslator = qt;
        } else {
            delete qt;
        }
    }

    QLocale::setDefault(locale(chosen));
    // Set explicitly, so Qt's own guess from the installed translations never overrides it. The commands run as root
    // have no window system: there is no layout to direct.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        QGuiApplication::setLayoutDirection(chosen == u"ar" ? Qt::RightToLeft : Qt::LeftToRight);
    }
    current_ = chosen;
}

QString Localization::current()
{
    return current_;
}

QLocale Localization::locale(const QString& code, const QLocale& system)
{
    const QLocale chosen(localeName(code));
    if (system.language() == chosen.language() && system.script() == chosen.script()) {
        return system;
    }
    // The language as written in the user's region where that pairing exists ("en_DE"); Qt falls back to the
    // language's usual region otherwise.
    return QLocale(chosen.language(), chosen.script(), system.territory());
}

} // namespace quellarine
