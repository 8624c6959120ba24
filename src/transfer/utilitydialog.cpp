#include "utilitydialog.h"
#include "ui_utilitydialog.h"

utilitydialog::utilitydialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::utilitydialog)
{
    ui->setupUi(this);
}

utilitydialog::~utilitydialog()
{
    delete ui;
}
