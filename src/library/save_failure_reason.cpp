#include "save_failure_reason.h"

#include <QCoreApplication>

QString configuration_write_failure_reason()
{
    return QCoreApplication::translate("SaveFailure", "the file could not be written");
}
