#include "admin/FolderList.h"

#include <QApplication>
#include <QDir>
#include <QStyle>

namespace {
constexpr int IndentPerLevel = 2;
}

FolderList::FolderList(QWidget* parent)
    : QListWidget(parent)
{
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { SetPath(item->data(Qt::UserRole).toString()); });
}

void FolderList::SetPath(const QString& path)
{
    path_ = QDir(path).absolutePath();
    clear();
    QStringList chain;
    for (QDir up(path_);; up.cdUp()) {
        chain.prepend(up.absolutePath());
        if (up.isRoot())
            break;
    }
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString name = depth == 0 ? QDir::toNativeSeparators(chain[depth]) : QDir(chain[depth]).dirName();
        AddFolder(chain[depth], name, depth, open);
    }
    setCurrentRow(int(chain.size()) - 1);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QDir current(path_);
    for (const QString& name : current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        AddFolder(current.filePath(name), name, int(chain.size()), closed);
    emit pathChanged(path_);
}

void FolderList::AddFolder(const QString& path, const QString& name, int depth, const QIcon& icon)
{
    auto* item = new QListWidgetItem(icon, QString(depth * IndentPerLevel, QLatin1Char(' ')) + name, this);
    item->setData(Qt::UserRole, path);
}
