#pragma once

#include "rig_names.h"

#include <QDialog>

struct MidnamMode;

namespace Ui {
class rignamesdialog;
}

// The names of the sounds and controls of the rig's sixteen devices: chosen
// from the installed MIDNAM files, imported, or typed. Works on a copy; OK
// writes the rig file beside the memory in use and makes it the rig of the
// editor, Cancel leaves both as they were.
class rignamesdialog : public QDialog
{
    Q_OBJECT

public:
    // `image` gives the devices' own names; `memoryPath` says where the rig file goes.
    rignamesdialog(QWidget *parent, const unsigned char *image, const QString &memoryPath);
    ~rignamesdialog() override;

    const RigNames &workingRig() const { return m_rig; }
    int currentDevice() const;
    void setCurrentDevice(int device);
    // Gives the chosen device the names of `path` (a MIDNAM file or a plain
    // list numbered from `firstProgram`), asking for the model and mode when
    // the file holds several; false when refused or not chosen.
    bool takeNamesFrom(const QString &path, int firstProgram = -1);

    void accept() override;

private:
    void chooseInstalled();
    void importFile();
    void clearDevice();
    void exportMidnam();
    void showDevice();
    void takeTypedNames();
    bool takeMode(const QVector<MidnamMode> &modes, const QString &path);
    QStringList deviceNames() const;

    Ui::rignamesdialog *ui;
    const unsigned char *m_image;
    QString m_memoryPath;
    RigNames m_rig;
    bool m_filling = false; // the tables are being filled, not typed in
};
