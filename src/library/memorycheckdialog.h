#pragma once

#include "memory_check.h"

#include <QDialog>

namespace Ui {
class memorycheckdialog;
}

// The findings of a check of the library's memory, problems first. It
// stays open beside the library; choosing a finding tells which presets
// it concerns.
class memorycheckdialog : public QDialog
{
    Q_OBJECT

public:
    explicit memorycheckdialog(QWidget *parent = nullptr);
    ~memorycheckdialog() override;

    void showFindings(const QVector<Finding> &findings);

signals:
    void findingChosen(const Finding &finding);

private:
    Ui::memorycheckdialog *ui;
    QVector<Finding> m_findings;
};
