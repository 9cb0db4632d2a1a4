#include "Quellarine/Desktop/ResourceNoteFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace quellarine {

ResourceNoteFolder::ResourceNoteFolder(QString path)
    : path_(std::move(path))
{
}

std::vector<std::string> ResourceNoteFolder::names() const
{
    std::vector<std::string> names;
    const QDir folder(path_);
    const QStringList entries
        = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        names.push_back(entry.toStdString());
    }
    return names;
}

std::optional<std::string> ResourceNoteFolder::read(const std::string& name) const
{
    const QString path = QDir(path_).filePath(QString::fromStdString(name));
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return content.toStdString();
}

std::unique_ptr<NoteFolder> ResourceNoteFolder::folder(const std::string& name) const
{
    return std::make_unique<ResourceNoteFolder>(QDir(path_).filePath(QString::fromStdString(name)));
}

} // namespace quellarine
