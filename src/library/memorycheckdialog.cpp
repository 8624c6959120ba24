#include "memorycheckdialog.h"
#include "ui_memorycheckdialog.h"

#include "accessible_names.h"

#include <QListWidgetItem>
#include <QStyle>

memorycheckdialog::memorycheckdialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::memorycheckdialog)
{
    ui->setupUi(this);
    ui->findingList->setAccessibleName(tr("Findings of the check"));
    give_buttons_keys(this);
    const auto choose = [this](int row) {
        if (row >= 0 && row < m_findings.size())
            emit findingChosen(m_findings[row]);
    };
    connect(ui->findingList, &QListWidget::currentRowChanged, this, choose);
    // A click on the current finding again selects its presets again.
    connect(ui->findingList, &QListWidget::itemClicked, this,
            [this, choose](QListWidgetItem *item) { choose(ui->findingList->row(item)); });
}

memorycheckdialog::~memorycheckdialog()
{
    delete ui;
}

void memorycheckdialog::showFindings(const QVector<Finding> &findings)
{
    m_findings = findings;
    const QSignalBlocker quiet(ui->findingList);
    ui->findingList->clear();
    int counts[3] = {0, 0, 0};
    for (const Finding &finding : findings) {
        ++counts[int(finding.severity)];
        const QStyle::StandardPixmap icon = finding.severity == Severity::Problem ? QStyle::SP_MessageBoxCritical
                                          : finding.severity == Severity::Warning ? QStyle::SP_MessageBoxWarning
                                                                                  : QStyle::SP_MessageBoxInformation;
        auto *item = new QListWidgetItem(style()->standardIcon(icon), finding.text, ui->findingList);
        item->setToolTip(finding.text);
    }
    ui->summaryLabel->setText(findings.isEmpty()
                                  ? tr("Nothing found: the memory is ready to send.")
                                  : tr("Problems: %1. Warnings: %2. Notes: %3. Choose one to select its presets.")
                                        .arg(counts[0])
                                        .arg(counts[1])
                                        .arg(counts[2]));
}
