#pragma once

#include <QString>

namespace quellarine {

// The text without the spaces and tabs at either end (every Unicode space separator, the no-break space
// included); line breaks and everything inside stay.
QString trimmedOfSpaces(const QString& text);

} // namespace quellarine
