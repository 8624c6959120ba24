#include "configuration_file_check.h"

#include "image_layout.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>

bool confirmUnusualConfigurationFile(QWidget *parent, const QString &path)
{
    const QFileInfo info(path);
    if (info.isFile() && info.size() == layout::kImageSize)
        return true;
    const QLocale locale;
    const QString what = info.isFile()
        ? QCoreApplication::translate("MainWindow", "%1 holds %2 bytes; a Vektor memory holds %3.")
              .arg(info.fileName(), locale.toString(info.size()), locale.toString(layout::kImageSize))
        : QCoreApplication::translate("MainWindow", "%1 is not a file the editor can read.").arg(info.fileName());
    const QString text = what + QStringLiteral("\n\n")
        + QCoreApplication::translate("MainWindow",
                                      "The editors will read it as a Vektor memory, and saving will replace it "
                                      "with one. Use this file?");
    return QMessageBox::question(parent, QCoreApplication::translate("MainWindow", "Configuration file"), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}
