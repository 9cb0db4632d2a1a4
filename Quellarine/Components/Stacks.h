#pragma once

class QVBoxLayout;
class QWidget;

namespace quellarine {

// A vertical stack filling `owner` edge to edge, its children `spacing` apart.
QVBoxLayout* verticalStack(QWidget* owner, int spacing);

} // namespace quellarine
