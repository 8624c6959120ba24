#include "version_name.h"

#include <QCoreApplication>

namespace {

constexpr char kTimeFormat[] = "yyyyMMdd'T'HHmmss.zzz'Z'";
constexpr int kTimeLength = 20; // 20250115T213045.123Z

struct OperationName {
    SaveOperation operation;
    const char *token;
    const char *text;
};

// The texts are the buttons and answers the user pressed.
const OperationName kOperations[] = {
    {SaveOperation::Save, "save", QT_TRANSLATE_NOOP("History", "Save")},
    {SaveOperation::GlobalSettings, "global-settings", QT_TRANSLATE_NOOP("History", "Global, OK")},
    {SaveOperation::PresetSave, "preset-save", QT_TRANSLATE_NOOP("History", "Presets, Save")},
    {SaveOperation::PresetSwitch, "preset-switch", QT_TRANSLATE_NOOP("History", "Preset switch, Yes")},
    {SaveOperation::CopyPreset, "copy-preset", QT_TRANSLATE_NOOP("History", "Copy Preset")},
    {SaveOperation::FactoryReset, "factory-reset", QT_TRANSLATE_NOOP("History", "Factory Reset")},
    {SaveOperation::DumpImport, "dump-import", QT_TRANSLATE_NOOP("History", "Import Vektor SysEx")},
    {SaveOperation::DumpReception, "dump-reception", QT_TRANSLATE_NOOP("History", "Receive Dump")},
    {SaveOperation::KestrelImport, "kestrel-import", QT_TRANSLATE_NOOP("History", "Import Kestrel SysEx")},
    {SaveOperation::LibrarySave, "library-save", QT_TRANSLATE_NOOP("History", "Library, Save")},
    {SaveOperation::Restore, "restore", QT_TRANSLATE_NOOP("History", "Restore")},
    {SaveOperation::ToolImport, "tool-import", QT_TRANSLATE_NOOP("History", "vektor-tool import")},
    {SaveOperation::ToolDecode, "tool-decode", QT_TRANSLATE_NOOP("History", "vektor-tool decode")},
    {SaveOperation::HistoryExport, "history-export", QT_TRANSLATE_NOOP("History", "History, Export")},
    {SaveOperation::ToolSet, "tool-set", QT_TRANSLATE_NOOP("History", "vektor-tool set")},
    {SaveOperation::ToolNotes, "tool-notes", QT_TRANSLATE_NOOP("History", "vektor-tool notes")},
};

} // namespace

QString operation_token(SaveOperation operation)
{
    for (const OperationName &name : kOperations)
        if (name.operation == operation)
            return QLatin1String(name.token);
    return QStringLiteral("save");
}

QString operation_text(const QString &token)
{
    for (const OperationName &name : kOperations)
        if (token == QLatin1String(name.token))
            return QCoreApplication::translate("History", name.text);
    return token;
}

QString version_file_name(const QDateTime &replacedAt, SaveOperation operation, const QString &fileName)
{
    return replacedAt.toUTC().toString(QLatin1String(kTimeFormat)) + QLatin1Char('_') + operation_token(operation)
           + QLatin1Char('_') + fileName;
}

bool looks_like_version_file_name(const QString &name)
{
    if (name.size() < kTimeLength + 3 || name.at(8) != QLatin1Char('T') || name.at(15) != QLatin1Char('.')
        || name.at(19) != QLatin1Char('Z') || name.at(kTimeLength) != QLatin1Char('_'))
        return false;
    // Digits only, so that the order of the names is the order of the times
    // (Qt's date parser would also take a sign, as in "2025+116").
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 16, 17, 18})
        if (name.at(i) < QLatin1Char('0') || name.at(i) > QLatin1Char('9'))
            return false;
    const int secondSeparator = name.indexOf(QLatin1Char('_'), kTimeLength + 1);
    return secondSeparator > kTimeLength + 1 && secondSeparator + 1 < name.size();
}

VersionName parse_version_file_name(const QString &name)
{
    VersionName parsed;
    if (!looks_like_version_file_name(name))
        return parsed;
    // Date and time apart: read as one, a time the local clock skips would be refused.
    const QDate date = QDate::fromString(name.left(8), QStringLiteral("yyyyMMdd"));
    const QTime time = QTime::fromString(name.mid(9, 10), QStringLiteral("HHmmss.zzz"));
    if (!date.isValid() || !time.isValid())
        return parsed;
    const int secondSeparator = name.indexOf(QLatin1Char('_'), kTimeLength + 1);
    parsed.ok = true;
    parsed.replacedAt = QDateTime(date, time, Qt::UTC);
    parsed.operation = name.mid(kTimeLength + 1, secondSeparator - kTimeLength - 1);
    parsed.fileName = name.mid(secondSeparator + 1);
    return parsed;
}
