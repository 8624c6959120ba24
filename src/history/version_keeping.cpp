#include "version_keeping.h"

#include "file_bytes.h"
#include "version_name.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr char kNotesSuffix[] = ".notes.json";

bool g_enabled = true;
bool g_problemTold = false;
QString g_pendingProblem;
std::function<void(const QString &)> g_tell;
// The newest time this run has named a version by. Versions are ordered by
// the time in their names, so two saves by different operations within one
// millisecond (or a clock set back) must still get later times in turn.
QDateTime g_lastStamp;

// The texts of this file belong to the "History" translation context; lupdate
// finds them by the qualified calls.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(History)
};

void report(const QString &reason)
{
    if (g_problemTold)
        return;
    if (!g_tell) {
        if (g_pendingProblem.isEmpty())
            g_pendingProblem = reason;
        return;
    }
    g_problemTold = true;
    g_tell(reason);
}

bool makeFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return true;
    if (info.exists() || info.isSymLink()) {
        report(Text::tr("a file is where the folder %1 should be").arg(folder));
        return false;
    }
    if (!QDir().mkpath(folder)) {
        report(Text::tr("the folder %1 could not be made").arg(folder));
        return false;
    }
    return true;
}

enum class Link { Made, NameTaken, NotPossible };

// The file is about to be replaced by a rename, which leaves its bytes
// unnamed: a second name for them keeps them, with nothing copied.
// A file with more names than one could change in place under its version,
// so it is copied instead.
Link linkVersion(const QString &file, const QString &version)
{
#ifdef Q_OS_UNIX
    const QByteArray from = QFile::encodeName(file);
    struct stat status;
    if (::stat(from.constData(), &status) != 0 || status.st_nlink != 1)
        return Link::NotPossible;
    if (::link(from.constData(), QFile::encodeName(version).constData()) == 0)
        return Link::Made;
    return errno == EEXIST ? Link::NameTaken : Link::NotPossible;
#else
    Q_UNUSED(file);
    Q_UNUSED(version);
    return Link::NotPossible;
#endif
}

// Drops the oldest versions (of any file) beyond the number kept, never
// `justKept`: after the clock was set back, versions named later than now
// would otherwise push each new one out the moment it is kept. Only names
// this history makes are ordered (by their time); other files in the folder
// are never touched.
void prune(const QString &folder, const QString &justKept)
{
    QDir dir(folder);
    QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&](const QString &name) {
                                   return name == justKept || !looks_like_version_file_name(name)
                                       || name.endsWith(QLatin1String(kNotesSuffix));
                               }),
                names.end());
    for (int i = 0; i < names.size() - (kKeptVersions - 1); ++i) {
        dir.remove(names.at(i));
        dir.remove(names.at(i) + QLatin1String(kNotesSuffix));
    }
}

} // namespace

QString version_notes_path(const QString &versionPath)
{
    return versionPath + QLatin1String(kNotesSuffix);
}

void PendingVersion::keepNotes(const QString &file)
{
    if (m_path.isEmpty() || !QFileInfo(file).isFile())
        return;
    const FileRead notes = read_file(file, FileKind::Notes);
    QString reason;
    if (!notes.ok() || notes.cut())
        report(Text::tr("%1 could not be kept with its memory (%2)")
                   .arg(file, notes.ok() ? Text::tr("too large") : notes.error));
    else if (!write_file(version_notes_path(m_path), notes.bytes, &reason))
        report(Text::tr("%1 could not be written (%2)").arg(version_notes_path(m_path), reason));
}

QString history_folder(const QString &configurationPath)
{
    return QFileInfo(configurationPath).absolutePath() + QStringLiteral("/history");
}

void PendingVersion::commit()
{
    if (!m_path.isEmpty()) {
        const QFileInfo kept(m_path);
        prune(kept.absolutePath(), kept.fileName());
    }
    m_path.clear();
}

void PendingVersion::discard()
{
    if (!m_path.isEmpty()) {
        QFile::remove(m_path);
        QFile::remove(version_notes_path(m_path));
    }
    m_path.clear();
}

namespace {

enum class Keeping { WhenChanged, AsItStands };

PendingVersion keepVersion(const QString &path, const QByteArray &replacement, SaveOperation operation,
                           Keeping keeping)
{
    if (!g_enabled || path.isEmpty())
        return {};
    const QFileInfo info(path);
    if (!info.isFile())
        return {}; // nothing there to lose
    // A symbolic link is followed: what it names is what gets replaced.
    const QString file = info.canonicalFilePath();
    QByteArray before;
    bool haveBefore = false;
    const auto readBefore = [&] {
        const FileRead old = read_file(file, FileKind::AnyFile);
        if (old.ok() && !old.cut()) {
            before = old.bytes;
            haveBefore = true;
            return true;
        }
        report(old.ok() ? Text::tr("%1 is too large to keep").arg(path)
                        : Text::tr("%1 could not be read (%2)").arg(path, old.error));
        return false;
    };
    if (keeping == Keeping::AsItStands) {
        if (!readBefore())
            return {};
    } else if (info.size() == replacement.size()) {
        if (!readBefore())
            return {};
        if (before == replacement)
            return {};
    }
    const QString folder = history_folder(path);
    if (!makeFolder(folder))
        return {};

    // A name another run took at the same time: move on by a millisecond.
    QDateTime now = QDateTime::currentDateTimeUtc();
    if (g_lastStamp.isValid() && now <= g_lastStamp)
        now = g_lastStamp.addMSecs(1);
    for (int step = 0; step < 50; ++step) {
        const QDateTime stamp = now.addMSecs(step);
        const QString version = folder + QLatin1Char('/') + version_file_name(stamp, operation, info.fileName());
        const Link link = keeping == Keeping::AsItStands ? Link::NotPossible : linkVersion(file, version);
        if (link == Link::NameTaken)
            continue;
        if (link == Link::NotPossible) {
            if (QFileInfo::exists(version))
                continue;
            if (!haveBefore && !readBefore())
                return {};
            QString reason;
            if (!write_file(version, before, &reason)) {
                report(Text::tr("%1 could not be written (%2)").arg(version, reason));
                return {};
            }
        }
        g_lastStamp = stamp;
        return PendingVersion(version);
    }
    report(Text::tr("no free name for a version in %1").arg(folder));
    return {};
}

} // namespace

PendingVersion keep_version_before_replacing(const QString &path, const QByteArray &replacement,
                                             SaveOperation operation)
{
    return keepVersion(path, replacement, operation, Keeping::WhenChanged);
}

PendingVersion keep_version_as_it_stands(const QString &path, SaveOperation operation)
{
    return keepVersion(path, QByteArray(), operation, Keeping::AsItStands);
}

void set_history_enabled(bool enabled)
{
    g_enabled = enabled;
}

bool history_enabled()
{
    return g_enabled;
}

void on_history_problem(std::function<void(const QString &)> tell)
{
    g_tell = std::move(tell);
    if (g_tell && !g_pendingProblem.isEmpty() && !g_problemTold) {
        g_problemTold = true;
        g_tell(g_pendingProblem);
    }
}

void reset_history_problem()
{
    g_problemTold = false;
    g_pendingProblem.clear();
    g_tell = nullptr;
}
