#include "admin/DatabaseCopy.h"

#include "data/Connection.h"
#include "data/Schema.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>

#include <filesystem>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {
constexpr auto CopyNameSuffix = ".XXXXXX";
// A backup copy is written in seconds; one untouched for this long was left behind.
constexpr int LeftoverAgeSeconds = 10 * 60;

// A file of the store opened on its own connection for reading only, closed
// and forgotten again when this goes.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path)
    {
        static int counter = 0;
        name_ = QStringLiteral("morvane-read-%1").arg(++counter);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            failure_ = db.lastError().databaseText();
    }
    ~ReadOnlyFile()
    {
        Database().close();
        QSqlDatabase::removeDatabase(name_);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    QSqlDatabase Database() const { return QSqlDatabase::database(name_, false); }
    QString OpenFailure() const { return failure_; }

    // The first value of a statement's first row; the store's reason on failure.
    QVariant Value(const QString& sql, QString* reason) const
    {
        QSqlQuery query(Database());
        if (query.exec(sql) && query.next())
            return query.value(0);
        *reason = query.lastError().databaseText();
        return {};
    }

private:
    QString name_;
    QString failure_;
};

// The store's own check of every page and index of a file.
bool PassesIntegrityCheck(const ReadOnlyFile& file, QString* reason)
{
    const QVariant result = file.Value(QStringLiteral("PRAGMA integrity_check"), reason);
    if (!reason->isEmpty())
        return false;
    if (result.toString() != QLatin1String("ok"))
        *reason = QStringLiteral("it did not pass the database's own check");
    return reason->isEmpty();
}

bool CopyIsSound(const QString& path, QString* reason)
{
    const ReadOnlyFile copy(path);
    *reason = copy.OpenFailure();
    if (reason->isEmpty() && !PassesIntegrityCheck(copy, reason))
        *reason = QStringLiteral("the copy did not pass the database's own check");
    return reason->isEmpty();
}

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

// A checked copy of an open database beside the target, not yet in its place.
// A failure leaves no copy and gives the reason.
// The copy gets the mode given, and the owner may always read and write it.
bool WriteCopyBeside(const QSqlDatabase& source, fs::perms mode, const QString& target, QTemporaryFile& copy,
                     QString* reason)
{
    // An empty file beside the target reserves the copy's name; the store fills it.
    copy.setFileTemplate(CopyPattern(QFileInfo(target)));
    if (!copy.open()) {
        *reason = copy.errorString();
        return false;
    }
    copy.close();
    RemoveLeftoverCopies(QFileInfo(target).absolutePath(), copy.fileName());
    QSqlQuery query(source);
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    query.addBindValue(copy.fileName());
    if (!query.exec()) {
        *reason = query.lastError().databaseText();
        return false;
    }
    if (!CopyIsSound(copy.fileName(), reason))
        return false;
    std::error_code error;
    fs::permissions(copy.fileName().toStdU16String(), mode | fs::perms::owner_read | fs::perms::owner_write, error);
    if (error)
        *reason = QString::fromStdString(error.message());
    return !error;
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
    if (!WriteCopyBeside(source.Database(), ModeOf(source.FilePath()), target, copy, reason)
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
    std::error_code error;
    fs::permissions(copy.fileName().toStdU16String(), ModeOf(file) | fs::perms::owner_read | fs::perms::owner_write,
                    error);
    if (!copy.flush() || error || !RenameOver(copy.fileName(), target, reason)) {
        if (reason->isEmpty())
            *reason = error ? QString::fromStdString(error.message()) : copy.errorString();
        return false;
    }
    copy.setAutoRemove(false);
    return true;
}

bool CheckBackup(const QString& path, BackupContents* contents, QString* reason)
{
    if (!QFileInfo(path).isFile()) {
        *reason = QStringLiteral("it is not a file that can be read");
        return false;
    }
    const ReadOnlyFile backup(path);
    *reason = backup.OpenFailure();
    if (!reason->isEmpty() || !PassesIntegrityCheck(backup, reason))
        return false;
    *reason = LayoutDifference(backup.Database());
    if (!reason->isEmpty())
        return false;
    contents->written = QFileInfo(path).lastModified();
    contents->teachers = backup.Value(QStringLiteral("SELECT count(*) FROM TabelPB"), reason).toInt();
    contents->reliefs = backup.Value(QStringLiteral("SELECT count(*) FROM reltable"), reason).toInt();
    return reason->isEmpty();
}

PreparedRestore::PreparedRestore(const QString& backup, const QString& database)
    : database_(database)
{
    std::error_code sameFile;
    if (fs::equivalent(backup.toStdU16String(), database.toStdU16String(), sameFile)) {
        reason_ = QStringLiteral("it is the database file the program is using");
        return;
    }
    const ReadOnlyFile source(backup);
    reason_ = source.OpenFailure();
    if (!reason_.isEmpty())
        return;
    QTemporaryFile copy;
    // The database keeps its mode; where there was none, it gets a new file's.
    const fs::perms mode = QFileInfo::exists(database) ? ModeOf(database) : UserFileMode();
    if (WriteCopyBeside(source.Database(), mode, database, copy, &reason_)) {
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
