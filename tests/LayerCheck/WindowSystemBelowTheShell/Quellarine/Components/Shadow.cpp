#include <X11/extensions/shape.h>
