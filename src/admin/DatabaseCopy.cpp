#include "admin/DatabaseCopy.h"

#include "data/Connection.h"
#include "data/DatabaseFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <filesystem>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {
constexpr auto CopyNameSuffix = ".XXXXXX";
// A backup copy is written in seconds; one untouched for this long was left behind.
constexpr int LeftoverAgeSeconds = 10 * 60;

QString CopyPattern(const QFileInfo& target)
{
    return target.absolutePath() + QStringLiteral("/.") + target.fileName() + QLatin1String(CopyNameSuffix);
}

// The hidden copies this program makes beside a target are named
// ".<name>.mdb.XXXXXX"; one that is still there was left by a copy that was
// killed, since a finished or failed copy removes or renames its own. One
// written to in the last minutes may be another copy of the program's backup
// under way, and stays.
void RemoveLeftoverCopies(const QString& folder, const QString& ownCopy)
{
    static const QRegularExpression leftover(QStringLiteral("^\\..+\\.mdb\\.[A-Za-z0-9]{6}$"));
    const QDateTime stale = QDateTime::currentDateTime().addSecs(-LeftoverAgeSeconds);
    const QDir dir(folder);
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
        if (leftover.match(file.fileName()).hasMatch() && file.filePath() != ownCopy && file.lastModified() < stale)
            QFile::remove(file.filePath());
    }
}

// Read and write bits of a file's mode, as they are given to its copy.
constexpr fs::perms ReadWrite = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read
    | fs::perms::group_write | fs::perms::others_read | fs::perms::others_write;

fs::perms ModeOf(const QString& path)
{
    std::error_code error;
    return fs::status(path.toStdU16String(), error).permissions() & ReadWrite;
}

// The mode the user's own new files get: read and write as far as the umask allows.
fs::perms UserFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return ReadWrite & ~static_cast<fs::perms>(mask);
}

bool RenameOver(const QString& from, const QString& to, QString* reason)
{
    std::error_code error;
    fs::rename(from.toStdU16String(), to.toStdU16String(), error);
    if (error)
        *reason = QString::fromStdString(error.message());
    return !error;
}

bool GiveMode(const QString& path, fs::perms mode, QString* reason)
{
    std::error_code error;
    fs::permissions(path.toStdU16String(), mode | fs::perms::owner_read | fs::perms::owner_write, error);
    if (error)
        *reason = QString::fromStdString(error.message());
    return !error;
}

// An empty file beside the target reserves the name of the copy built in it.
bool ReserveCopyBeside(const QString& target, QTemporaryFile& copy, QString* reason)
{
    copy.setFileTemplate(CopyPattern(QFileInfo(target)));
    if (!copy.open()) {
        *reason = copy.errorString();
        return false;
    }
    copy.close();
    RemoveLeftoverCopies(QFileInfo(target).absolutePath(), copy.fileName());
    return true;
}

// A backup is kept only when it could be restored.
bool CanBeRestored(const QString& copy, QString* reason)
{
    DatabaseContents contents;
    if (CheckDatabaseFile(copy, &contents, reason))
        return true;
    *reason = QStringLiteral("the copy could not be restored: %1").arg(*reason);
    return false;
}
}

bool CopyDatabase(Connection& source, const QString& target, QString* reason)
{
    std::error_code sameFile;
    if (fs::equivalent(target.toStdU16String(), source.FilePath().toStdU16String(), sameFile)) {
        *reason = QStringLiteral("it is the database file the program is using");
        return false;
    }
    QTemporaryFile copy;
    if (!ReserveCopyBeside(target, copy, reason) || !WriteDatabaseCopy(source.Database(), copy.fileName(), reason)
        || !CanBeRestored(copy.fileName(), reason) || !GiveMode(copy.fileName(), ModeOf(source.FilePath()), reason)
        || !RenameOver(copy.fileName(), target, reason))
        return false;
    copy.setAutoRemove(false);
    return true;
}

bool CopyFileWhole(const QString& file, const QString& target, QString* reason)
{
    QFile source(file);
    QTemporaryFile copy(CopyPattern(QFileInfo(target)));
    if (!source.open(QIODevice::ReadOnly) || !copy.open()) {
        *reason = source.isOpen() ? copy.errorString() : source.errorString();
        return false;
    }
    constexpr qint64 ChunkSize = 1 << 20;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(ChunkSize);
        if (chunk.isEmpty() || copy.write(chunk) != chunk.size()) {
            *reason = chunk.isEmpty() ? source.errorString() : copy.errorString();
            return false;
        }
    }
    if (!copy.flush()) {
        *reason = copy.errorString();
        return false;
    }
    if (!GiveMode(copy.fileName(), ModeOf(file), reason) || !RenameOver(copy.fileName(), target, reason))
        return false;
    copy.setAutoRemove(false);
    return true;
}

PreparedRestore::PreparedRestore(const QString& backup, const QString& database)
    : database_(database)
{
    std::error_code sameFile;
    if (fs::equivalent(backup.toStdU16String(), database.toStdU16String(), sameFile)) {
        reason_ = QStringLiteral("it is the database file the program is using");
        return;
    }
    QTemporaryFile copy;
    // The database keeps its mode; where there was none, it gets a new file's.
    const fs::perms mode = QFileInfo::exists(database) ? ModeOf(database) : UserFileMode();
    if (ReserveCopyBeside(database, copy, &reason_)
        && RebuildDatabaseFile(backup, copy.fileName(), &contents_, &reason_)
        && GiveMode(copy.fileName(), mode, &reason_)) {
        copy.setAutoRemove(false);
        copy_ = copy.fileName();
    }
}

PreparedRestore::~PreparedRestore()
{
    if (!copy_.isEmpty())
        QFile::remove(copy_);
}

bool PreparedRestore::PutInPlace(QString* reason)
{
    if (!RenameOver(copy_, database_, reason))
        return false;
    copy_.clear();
    return true;
}
