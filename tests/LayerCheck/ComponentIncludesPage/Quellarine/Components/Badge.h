#pragma once

#include "Quellarine/Pages/Home/HomePage.h"
