#pragma once

#include <QDialog>

namespace Ui {
class utilitydialog;
}

// Whole-memory operations and MIDI transfers.
class utilitydialog : public QDialog
{
    Q_OBJECT

public:
    explicit utilitydialog(QWidget *parent = nullptr);
    ~utilitydialog() override;

private:
    Ui::utilitydialog *ui;
};
