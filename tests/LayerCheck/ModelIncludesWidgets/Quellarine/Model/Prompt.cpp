#include <QObject>
#include <QMessageBox>
