#include "forms/desktop/program_icon.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cstring>

namespace rt {

namespace {

// A bitmap stored as bare pixels (size × size premultiplied ARGB words); a
// null image when the file is not that.
QImage imageFromPixels(const QString& path, int size)
{
    QFile stored(path);
    if (!stored.open(QIODevice::ReadOnly)) return {};
    const QByteArray pixels = stored.readAll();
    if (size <= 0 || pixels.size() != qsizetype(size) * size * 4) return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size; ++y)
        std::memcpy(image.scanLine(y), pixels.constData() + qsizetype(y) * size * 4, size * 4);
    return image;
}

}  // namespace

QIcon iconFromResources(const QString& folder, int largest)
{
    QIcon icon;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
        bool named = false;
        const int size = file.baseName().toInt(&named);
        if (!named || size > largest) continue;
        if (file.suffix() == QLatin1String("argb")) {
            const QImage image = imageFromPixels(file.filePath(), size);
            if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
        } else {
            icon.addFile(file.filePath());
        }
    }
    return icon;
}

const QIcon& programIcon()
{
    static const QIcon icon = iconFromResources(QStringLiteral(":/program-icon"));
    return icon;
}

}  // namespace rt
