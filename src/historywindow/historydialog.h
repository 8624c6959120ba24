#pragma once

#include <QByteArray>
#include <QDialog>
#include <QVector>

class VersionListModel;

namespace Ui {
class historydialog;
}

// The kept versions of the configuration file: what changed from each to
// the next, any of them compared with the file now or with another, put
// back, or written out as a memory file, a dump or the readable form.
class historydialog : public QDialog
{
    Q_OBJECT

public:
    explicit historydialog(QWidget *parent = nullptr);
    ~historydialog() override;

    VersionListModel *versions() const { return m_versions; }

private slots:
    void on_compareButton_clicked();
    void on_restoreButton_clicked();
    void on_exportButton_clicked();

private:
    // Selected rows that read as whole memories, oldest first; empty when
    // any selected row does not.
    QVector<int> chosenVersions() const;
    void updateButtons();
    void showChanges(const QByteArray &before, const QByteArray &after, const QString &what);
    // Adds what changed in the notes kept with each side (paths of versions,
    // or of the file now when `afterIsCurrent`).
    // The version holds the file's bytes and other notes: only those go back.
    void restoreNotesOnly(int row);
    void showNoteChanges(const QString &before, const QString &after, bool afterIsCurrent, const QByteArray &image);
    QString versionText(int row) const;
    void listVersions();

    Ui::historydialog *ui;
    VersionListModel *m_versions;
};
