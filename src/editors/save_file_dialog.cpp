#include "save_file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QVector>

namespace {

// Qt's own question, in Qt's own words and translations (qtbase_xx), as its
// file dialog asks it for a name that has its ending already.
const char *const kReplaceQuestion = "%1 already exists.\nDo you want to replace it?";

} // namespace

QString ask_save_path(QWidget *parent, const QString &title, const QString &suggested,
                      const QVector<SaveFileKind> &kinds, int *chosen)
{
    QStringList filters;
    for (const SaveFileKind &kind : kinds)
        filters << kind.filter;
    QFileDialog dialog(parent, title, suggested, filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const auto kindOfFilter = [&](const QString &filter) { return qMax(0, int(filters.indexOf(filter))); };
    // The dialog adds the ending to a bare name before it checks whether the
    // file exists.
    dialog.setDefaultSuffix(kinds.value(0).suffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        dialog.setDefaultSuffix(kinds.value(kindOfFilter(filter)).suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    QString path = dialog.selectedFiles().constFirst();
    const QString suffix = QFileInfo(path).suffix().toLower();
    int kind = -1;
    for (int i = 0; i < kinds.size(); ++i)
        if (kinds.at(i).suffix == suffix)
            kind = i;
    if (kind < 0) {
        kind = kindOfFilter(dialog.selectedNameFilter());
        path += QLatin1Char('.') + kinds.value(kind).suffix;
        if (QFileInfo::exists(path)
            && QMessageBox::question(parent, title,
                                     QFileDialog::tr(kReplaceQuestion).arg(QFileInfo(path).fileName()),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                   != QMessageBox::Yes)
            return QString();
    }
    if (chosen)
        *chosen = kind;
    return path;
}
