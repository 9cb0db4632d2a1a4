#pragma once

#include <QString>

namespace quellarine {

// What the program is asked to do, read from its arguments alone, before anything else starts. Only exact matches
// count: the grants run as root, and a misspelt one must never start the whole application as root instead.
class CommandLine {
public:
    enum class Request {
        start, // no argument: the application itself
        allowDevices,
        allowKeyboards,
        disallowKeyboards,
        help,
        version,
        invalid, // anything else: the usage, and exit status 2
    };

    CommandLine() = delete;

    static Request parse(int argc, const char* const argv[]);
    // The help text, in the language applied.
    static QString usage();
    // What is printed before the usage when the arguments are not understood.
    static QString notUnderstood(int argc, const char* const argv[]);
    // The one line said when no window system can be reached, in the system's language; works before and while
    // the application object is made.
    static QString noDisplay();
};

} // namespace quellarine
