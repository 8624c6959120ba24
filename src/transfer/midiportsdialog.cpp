#include "midiportsdialog.h"
#include "ui_midiportsdialog.h"

#include "transfer_names.h"

midiportsdialog::midiportsdialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::midiportsdialog)
{
    ui->setupUi(this);
    name_port_controls(this, ui);
}

midiportsdialog::~midiportsdialog()
{
    delete ui;
}

void midiportsdialog::addInputPort(const QString &name)
{
    ui->inputPortsComboBox->addItem(name);
}

void midiportsdialog::addOutputPort(const QString &name)
{
    ui->outputPortsComboBox->addItem(name);
}

int midiportsdialog::currentInputIndex() const
{
    return ui->inputPortsComboBox->currentIndex();
}

int midiportsdialog::currentOutputIndex() const
{
    return ui->outputPortsComboBox->currentIndex();
}

QString midiportsdialog::currentInputName() const
{
    return ui->inputPortsComboBox->currentText();
}

QString midiportsdialog::currentOutputName() const
{
    return ui->outputPortsComboBox->currentText();
}
