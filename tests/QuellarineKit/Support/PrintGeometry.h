#pragma once

#include "QuellarineKit/Support/Geometry.h"

#include <ostream>

namespace quellarine {

// Readable points in failure messages.
inline void PrintTo(const Point& point, std::ostream* out)
{
    *out << "(" << point.x << ", " << point.y << ")";
}

} // namespace quellarine
