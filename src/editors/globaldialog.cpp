#include "globaldialog.h"
#include "ui_globaldialog.h"

globaldialog::globaldialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::globaldialog)
{
    ui->setupUi(this);
}

globaldialog::~globaldialog()
{
    delete ui;
}

void globaldialog::storeToImage(unsigned char *) const
{
}
