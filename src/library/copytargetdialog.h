#pragma once

#include <QDialog>
#include <QVector>

namespace Ui {
class copytargetdialog;
}

// Asks where to copy presets: a slot, or the first slot of a bank. Before
// anything is copied it lists every preset that the copy will overwrite,
// and what will overwrite it.
class copytargetdialog : public QDialog
{
    Q_OBJECT

public:
    // `sources` are record indices in the order they are copied.
    copytargetdialog(QWidget *parent, const unsigned char *image, const QVector<int> &sources);
    ~copytargetdialog() override;

    // The slot the first source goes to.
    int target() const;
    void setTarget(int slot);
    // "011 - Name" for every preset the copy overwrites.
    QStringList overwrittenPresets() const;

private:
    void showWhatIsOverwritten();

    Ui::copytargetdialog *ui;
    const unsigned char *m_image;
    QVector<int> m_sources;
};
