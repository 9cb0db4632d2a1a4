#pragma once

#include "QuellarineKit/Pointer/PointerFilter.h"
