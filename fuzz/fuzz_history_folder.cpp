// Any history folder: files with any names and contents beside a real
// configuration file, as the History dialog lists and compares them. The
// listing must keep only well-named versions of this file, newest first;
// every version reads back as a whole memory or says why not; the model's
// summaries and the change previews must come out for every row.

#include "change_preview.h"
#include "factory_image.h"
#include "file_bytes.h"
#include "history_folder_input.h"
#include "version_keeping.h"
#include "version_list_model.h"
#include "version_listing.h"
#include "version_name.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// A name the folder can hold as a file of its own.
bool usable(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir home;
    const QString configuration = home.filePath(QStringLiteral("memory.bin"));
    const QString folder = history_folder(configuration);
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    if (!write_file(configuration, factory_image()))
        std::abort();

    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    for (const HistoryFolderEntry &entry : history_folder_entries(input, factory_image()))
        if (usable(entry.name))
            write_file(folder + QLatin1Char('/') + entry.name, entry.content);

    const QVector<HistoryVersion> versions = list_versions(configuration);
    for (int i = 0; i < versions.size(); ++i) {
        const VersionName name = parse_version_file_name(QFileInfo(versions[i].path).fileName());
        if (!name.ok || name.fileName != QLatin1String("memory.bin") || name.replacedAt != versions[i].replacedAt)
            std::abort();
        if (i > 0 && versions[i].replacedAt > versions[i - 1].replacedAt)
            std::abort();
        QString problem;
        const QByteArray bytes = read_whole_memory(versions[i].path, &problem);
        if (bytes.isEmpty() == problem.isEmpty() || (!bytes.isEmpty() && bytes.size() != layout::kImageSize))
            std::abort();
        if (!bytes.isEmpty() && change_preview(factory_image(), bytes).isEmpty())
            std::abort();
    }

    VersionListModel model;
    model.load(configuration);
    if (model.rowCount() != versions.size())
        std::abort();
    for (int row = 0; row < model.rowCount(); ++row)
        for (int column = 0; column < model.columnCount(); ++column)
            if (model.data(model.index(row, column)).toString().isEmpty() && column != VersionListModel::ChangesColumn)
                std::abort();
    return 0;
}
