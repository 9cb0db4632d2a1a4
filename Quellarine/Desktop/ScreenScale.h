#pragma once

namespace quellarine {

// Millimetres per point of the main screen, from its physical width as the system reports it; 0.25 when there
// is no screen or the system does not know its size. Unclamped.
double mmPerPoint();

} // namespace quellarine
