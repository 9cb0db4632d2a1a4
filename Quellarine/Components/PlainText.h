#pragma once

#include <QFont>
#include <QString>

class QLabel;

namespace quellarine {

// A label that shows its text exactly as written, never as markup, wrapped to its width; secondary text in the
// quieter colour.
QLabel* plainText(const QString& text, const QFont& font, bool secondary = false);

} // namespace quellarine
