#pragma once

#include <QDialog>

namespace Ui {
class midiportsdialog;
}

// Lets the user pick the MIDI input and output port of a transfer by name;
// a port's position in its list is its port number.
class midiportsdialog : public QDialog
{
    Q_OBJECT

public:
    explicit midiportsdialog(QWidget *parent = nullptr);
    ~midiportsdialog() override;

    void addInputPort(const QString &name);
    void addOutputPort(const QString &name);
    int currentInputIndex() const;
    int currentOutputIndex() const;
    // The names chosen: what a transfer opens, whatever number the port has
    // by then.
    QString currentInputName() const;
    QString currentOutputName() const;

private:
    Ui::midiportsdialog *ui;
};
