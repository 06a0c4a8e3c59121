#pragma once

#include <QListWidget>

// A folder list: the folders from the root down to the current one, then the
// current one's subfolders. Activating a folder (double-click, Enter) makes it
// the current one.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    QString Path() const { return path_; }
    void SetPath(const QString& path);

signals:
    void pathChanged(const QString& path);

private:
    void AddFolder(const QString& path, const QString& name, int depth, const QIcon& icon);

    QString path_;
};
