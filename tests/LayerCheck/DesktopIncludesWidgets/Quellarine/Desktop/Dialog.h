#pragma once

#include <QPalette>
#include <QtWidgets/qdialog.h>
