#pragma once

#include "Quellarine/Model/AppModel.h"
