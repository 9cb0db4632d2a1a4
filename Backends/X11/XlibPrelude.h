#pragma once

// Include this before any other X header. Xlib names its status type with a macro, which would rewrite every
// other `Status` in the program (the hot-key interface has one); a typedef serves Xlib's declarations as well.
#include <X11/Xlib.h>
#undef Status
typedef int Status;
