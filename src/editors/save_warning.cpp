#include "save_warning.h"

#include "configuration_saves.h"
#include "store.h"

#include <QCoreApplication>
#include <QMessageBox>

void warn_configuration_not_saved(QWidget *parent)
{
    const QString path = file_paths().configuration;
    const QString file = path.isEmpty() ? QCoreApplication::translate("SaveWarning", "the configuration file") : path;
    QMessageBox::warning(
        parent, QCoreApplication::translate("SaveWarning", "Not saved"),
        QCoreApplication::translate("SaveWarning",
                                    "Couldn't save %1: %2.\n\nThe changes are still in the editor; save again once "
                                    "the file can be written, or choose another one with \"Open file...\".")
            .arg(file, last_save_error()));
}

bool save_image_or_warn(QWidget *parent, SaveOperation operation)
{
    if (save_image(operation))
        return true;
    warn_configuration_not_saved(parent);
    return false;
}
