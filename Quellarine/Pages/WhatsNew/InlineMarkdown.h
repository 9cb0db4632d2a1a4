#pragma once

#include <QList>
#include <QString>

namespace quellarine {

// The small inline Markdown that release notes carry, read into runs of plain text: "**bold**", "`code`",
// "[text](https://...)" and backslash escapes of ASCII punctuation. Everything else, including what a fuller
// Markdown reader would make into HTML, images, autolinks, entities or links on other schemes, stays literal
// text. Unbalanced markup is shown as written. A link's address is a checked https address, never anything else.
class InlineMarkdown {
public:
    struct Run {
        QString text;
        bool bold = false;
        bool code = false;
        // The https address the run links to; empty when it is no link.
        QString link;

        bool operator==(const Run&) const = default;
    };

    // Adjacent runs never share all three attributes; no run is empty.
    static QList<Run> runs(const QString& markdown);
    // The text of the runs, without their formatting.
    static QString plainText(const QList<Run>& runs);
};

} // namespace quellarine
