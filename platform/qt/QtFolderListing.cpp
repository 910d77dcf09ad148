#include "platform/qt/QtFolderListing.h"

#include <QDir>
#include <QFileInfo>

bool QtFolderListing::exists(const std::string &path) const
{
    return QFileInfo::exists(QString::fromStdString(path));
}

std::vector<std::string> QtFolderListing::entries(const std::string &folder) const
{
    const QStringList names = QDir(QString::fromStdString(folder))
                                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    std::vector<std::string> result;
    result.reserve(names.size());
    for (const QString &name : names)
        result.push_back(name.toStdString());
    return result;
}
