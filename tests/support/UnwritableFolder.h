#pragma once

#include <QFileDevice>
#include <QString>

// A folder in which no new file can be made, for as long as this lives. The
// write permission alone does not stop root, so the folder is also made
// immutable where the file system allows it; both are undone at the end.
class UnwritableFolder {
public:
    explicit UnwritableFolder(const QString& path);
    ~UnwritableFolder();
    UnwritableFolder(const UnwritableFolder&) = delete;
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;

    // False where a file can be made in it all the same; the test then skips.
    bool Holds() const { return holds_; }

private:
    QString path_;
    QFileDevice::Permissions permissions_;
    bool immutable_ = false;
    bool holds_ = false;
};
