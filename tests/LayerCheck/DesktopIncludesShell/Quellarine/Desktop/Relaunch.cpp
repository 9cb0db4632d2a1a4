#include "Quellarine/Shell/MainWindow.h"
