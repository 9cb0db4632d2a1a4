#pragma once

#include <QString>
#include <QStringView>

#include <unicode/uversion.h>

#include <memory>

U_NAMESPACE_BEGIN
class BreakIterator;
U_NAMESPACE_END

namespace quellarine {

// The number of user-perceived characters (extended grapheme clusters: an emoji, a flag or a letter with its
// combining marks counts as one) of a text that changes a little at a time, as a message does while it is typed.
// A change is counted over the changed stretch and the clusters around it, so a keystroke costs the same in a long
// text as in a short one.
class GraphemeCounter {
public:
    GraphemeCounter();
    ~GraphemeCounter();
    GraphemeCounter(const GraphemeCounter&) = delete;
    GraphemeCounter& operator=(const GraphemeCounter&) = delete;

    // The clusters of a whole text.
    static int count(QStringView text);

    const QString& text() const { return text_; }
    int count() const { return count_; }

    // Takes the new text and counts it again from the old count and what changed.
    void setText(const QString& text);

private:
    QString text_;
    int count_ = 0;
    std::unique_ptr<icu::BreakIterator> clusters_;
};

} // namespace quellarine
