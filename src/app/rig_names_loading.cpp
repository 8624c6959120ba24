#include "rig_names_loading.h"

#include "rig_names.h"
#include "rignamesdialog.h"
#include "store.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(RigNamesLoading)
};

} // namespace

QString load_rig_for_memory(const QString &memoryPath)
{
    if (memoryPath.isEmpty()) {
        set_rig_names(RigNames());
        return QString();
    }
    return load_rig_names_for(memoryPath);
}

void say_rig_not_read(QWidget *parent, const QString &error)
{
    if (!error.isEmpty())
        QMessageBox::warning(parent, Text::tr("Rig Names"),
                             Text::tr("The names of the rig were not read, so none are shown: %1").arg(error));
}

void run_rig_names_window(QWidget *parent)
{
    load_image();
    rignamesdialog dialog(parent, config_image(), file_paths().configuration);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
}
