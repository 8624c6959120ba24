#pragma once

#include <QDialog>

namespace Ui {
class presetsdialog;
}

// Edits one preset record of `image` at a time; the caller stores the current
// preset back after an accepted run.
class presetsdialog : public QDialog
{
    Q_OBJECT

public:
    presetsdialog(QWidget *parent, unsigned char *image);
    ~presetsdialog() override;

    void storeFormIntoImage();

private:
    Ui::presetsdialog *ui;
    unsigned char *image;
};
