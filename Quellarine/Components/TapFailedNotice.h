#pragma once

#include "Quellarine/Components/Notice.h"

namespace quellarine {

// The warning that the system refused the pointer tap, with the one step that helps.
class TapFailedNotice : public Notice {
    Q_OBJECT

public:
    explicit TapFailedNotice(QWidget* parent = nullptr);
};

} // namespace quellarine
