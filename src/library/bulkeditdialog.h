#pragma once

#include "bulk_fields.h"

#include <QDialog>
#include <QVector>

namespace Ui {
class bulkeditdialog;
}

// Edit Selected: one field set in many presets at once. The preview lists
// every preset that would change, and counts apart those that already hold
// the value; the caller applies changes() after an accepted run.
class bulkeditdialog : public QDialog
{
    Q_OBJECT

public:
    // `records` are the record indices to edit, in record order.
    bulkeditdialog(QWidget *parent, const unsigned char *image, const QVector<int> &records);
    ~bulkeditdialog() override;

    // The field and value chosen; false for a name or text no entry has.
    bool chooseField(const QString &name);
    bool chooseValue(const QString &text);

    const FieldSetResult &result() const { return m_result; }
    // "Set Delay program change to off in 9 presets", the undo step's text.
    QString changeText() const;

private:
    void showValues();
    void showPreview();

    Ui::bulkeditdialog *ui;
    const unsigned char *m_image;
    QVector<int> m_records;
    QVector<BulkField> m_fields;
    QVector<BulkValue> m_values;
    FieldSetResult m_result;
};
