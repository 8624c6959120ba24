#pragma once

#include <QDialog>

namespace Ui {
class globaldialog;
}

// Global settings of the controller. Loads the global section of the image
// when built; the caller stores it back after an accepted run.
class globaldialog : public QDialog
{
    Q_OBJECT

public:
    explicit globaldialog(QWidget *parent = nullptr);
    ~globaldialog() override;

    void storeToImage(unsigned char *image) const;

private:
    Ui::globaldialog *ui;
};
