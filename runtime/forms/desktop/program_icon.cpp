#include "forms/desktop/program_icon.h"

#include <QDir>
#include <QIcon>

namespace rt {

QIcon iconFromResources(const QString& folder)
{
    QIcon icon;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files))
        icon.addFile(file.filePath());
    return icon;
}

const QIcon& programIcon()
{
    static const QIcon icon = iconFromResources(QStringLiteral(":/program-icon"));
    return icon;
}

}  // namespace rt
