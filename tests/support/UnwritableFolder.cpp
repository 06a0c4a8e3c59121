#include "UnwritableFolder.h"

#include <QFile>
#include <QProcess>

UnwritableFolder::UnwritableFolder(const QString& path)
    : path_(path)
    , permissions_(QFile::permissions(path))
{
    QFile::setPermissions(path_,
                          permissions_
                              & ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther));
    immutable_ = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path_}) == 0;
    QFile probe(path_ + QStringLiteral("/probe"));
    holds_ = !probe.open(QIODevice::WriteOnly);
    if (!holds_)
        probe.remove();
}

UnwritableFolder::~UnwritableFolder()
{
    if (immutable_)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path_});
    QFile::setPermissions(path_, permissions_);
}
