#include "forms/desktop/program_icon.h"

#include <QDir>
#include <QIcon>

namespace rt {

QIcon iconFromResources(const QString& folder, int largest)
{
    QIcon icon;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files))
        if (file.baseName().toInt() <= largest) icon.addFile(file.filePath());
    return icon;
}

const QIcon& programIcon()
{
    static const QIcon icon = iconFromResources(QStringLiteral(":/program-icon"));
    return icon;
}

}  // namespace rt
