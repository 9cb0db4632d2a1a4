#include "Quellarine/Shell/CommandLine.h"

#include "Quellarine/Desktop/DeviceAccess.h"
#include "Quellarine/Desktop/Localization.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstring>

namespace quellarine {

CommandLine::Request CommandLine::parse(int argc, const char* const argv[])
{
    if (argc <= 1) {
        return Request::start;
    }
    if (argc > 2) {
        return Request::invalid;
    }
    const struct {
        const char* argument;
        Request request;
    } known[] = {
        {DeviceAccess::installArgument, Request::allowDevices},
        {DeviceAccess::keyboardArgument, Request::allowKeyboards},
        {DeviceAccess::keyboardRemovalArgument, Request::disallowKeyboards},
        {"--help", Request::help},
        {"--version", Request::version},
    };
    for (const auto& [argument, request] : known) {
        if (std::strcmp(argv[1], argument) == 0) {
            return request;
        }
    }
    return Request::invalid;
}

QString CommandLine::usage()
{
    return QCoreApplication::translate(
               "CommandLine",
               "Usage: quellarine [OPTION]\n"
               "Steadies the pointer for hands that shake. Without an option, starts Quellarine.\n"
               "\n"
               "  --allow-devices       as root: lets the user at this computer's screen steady the pointing devices\n"
               "  --allow-keyboards     as root: lets Quellarine hear its hot keys on the keyboards\n"
               "  --disallow-keyboards  as root: takes the keyboards' grant back\n"
               "  --help                shows this help and ends\n"
               "  --version             shows the version and ends")
        + QLatin1Char('\n');
}

QString CommandLine::notUnderstood(int argc, const char* const argv[])
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index) {
        arguments.append(QString::fromLocal8Bit(argv[index]));
    }
    return QCoreApplication::translate("CommandLine", "Quellarine does not understand \u201C%1\u201D.")
               .arg(arguments.join(QLatin1Char(' ')))
        + QLatin1Char('\n');
}

QString CommandLine::noDisplay()
{
    static const char* const text = QT_TRANSLATE_NOOP(
        "CommandLine", "Quellarine needs a desktop session: no display could be opened (DISPLAY or WAYLAND_DISPLAY).");
    return Localization::translateForSystem("CommandLine", text) + QLatin1Char('\n');
}

} // namespace quellarine
