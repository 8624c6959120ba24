#include "presetsdialog.h"
#include "ui_presetsdialog.h"

presetsdialog::presetsdialog(QWidget *parent, unsigned char *image)
    : QDialog(parent)
    , ui(new Ui::presetsdialog)
    , image(image)
{
    ui->setupUi(this);
}

presetsdialog::~presetsdialog()
{
    delete ui;
}

void presetsdialog::storeFormIntoImage()
{
}
