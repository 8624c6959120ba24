#include "namechooserdialog.h"
#include "ui_namechooserdialog.h"

#include "accessible_names.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStringListModel>

namechooserdialog::namechooserdialog(QWidget *parent, const QString &title, const QString &prompt,
                                     const QStringList &entries)
    : QDialog(parent)
    , ui(new Ui::namechooserdialog)
    , m_shown(new QSortFilterProxyModel(this))
{
    ui->setupUi(this);
    setWindowTitle(title);
    ui->promptLabel->setText(prompt);
    ui->promptLabel->setBuddy(ui->filterEdit);
    ui->filterEdit->setAccessibleName(tr("Find a name"));
    ui->choiceList->setAccessibleName(tr("Names found"));
    m_shown->setSourceModel(new QStringListModel(entries, this));
    m_shown->setFilterCaseSensitivity(Qt::CaseInsensitive);
    ui->choiceList->setModel(m_shown);
    // Up and Down in the find field move through what it found, so the
    // keyboard never has to leave the field.
    ui->filterEdit->installEventFilter(this);
    connect(ui->filterEdit, &QLineEdit::textChanged, this, &namechooserdialog::setFilterText);
    connect(ui->choiceList, &QListView::doubleClicked, this, &QDialog::accept);
    activate_on_return(ui->choiceList, [this] { accept(); });
    give_buttons_keys(this);
    selectFirstShown();
}

namechooserdialog::~namechooserdialog()
{
    delete ui;
}

int namechooserdialog::chosenIndex() const
{
    const QModelIndex current = ui->choiceList->currentIndex();
    return current.isValid() ? m_shown->mapToSource(current).row() : -1;
}

void namechooserdialog::setFilterText(const QString &text)
{
    if (ui->filterEdit->text() != text)
        ui->filterEdit->setText(text);
    m_shown->setFilterFixedString(text);
    selectFirstShown();
}

void namechooserdialog::selectFirstShown()
{
    ui->choiceList->setCurrentIndex(m_shown->index(0, 0));
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(m_shown->rowCount() > 0);
}

bool namechooserdialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->filterEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(ui->choiceList, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

int namechooserdialog::choose(QWidget *parent, const QString &title, const QString &prompt,
                              const QStringList &entries)
{
    namechooserdialog dialog(parent, title, prompt, entries);
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec() == QDialog::Accepted ? dialog.chosenIndex() : -1;
}
