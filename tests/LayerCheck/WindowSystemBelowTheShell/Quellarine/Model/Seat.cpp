#include <libinput.h>
