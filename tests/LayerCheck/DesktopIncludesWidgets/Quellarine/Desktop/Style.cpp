// clang-format off
// The check must read an include however it is spaced.
#  include <qapplication.h>
