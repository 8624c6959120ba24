#pragma once

#include <QDialog>
#include <QStringList>

class QSortFilterProxyModel;

namespace Ui {
class namechooserdialog;
}

// A long list of names to pick one from by typing part of it: the models of
// the installed name files, the sounds of one device.
class namechooserdialog : public QDialog
{
    Q_OBJECT

public:
    namechooserdialog(QWidget *parent, const QString &title, const QString &prompt, const QStringList &entries);
    ~namechooserdialog() override;

    // The position in `entries` of the chosen name, or -1.
    int chosenIndex() const;
    void setFilterText(const QString &text);
    // Runs the chooser above `parent`; -1 when cancelled.
    static int choose(QWidget *parent, const QString &title, const QString &prompt, const QStringList &entries);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void selectFirstShown();

    Ui::namechooserdialog *ui;
    QSortFilterProxyModel *m_shown;
};
