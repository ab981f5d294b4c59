// Build tool: turns an icon bitmap (any format the toolkit reads, PNG here)
// into its bare pixels, so that a program can wear its icon without starting
// an image decoder: width × height 32-bit premultiplied ARGB words in the
// machine's byte order, row after row, nothing else.
//   rt_icon_pixels <in.png> <out.argb>
#include <QFile>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <in.png> <out.argb>\n", argv[0]);
        return 2;
    }
    const QImage image = QImage(QString::fromLocal8Bit(argv[1]))
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], argv[2],
                     qPrintable(out.errorString()));
        return 1;
    }
    const qsizetype rowBytes = qsizetype(image.width()) * 4;
    for (int y = 0; y < image.height(); ++y)
        if (out.write(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes) != rowBytes)
            break;
    if (out.error() == QFileDevice::NoError && out.flush()) return 0;
    std::fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], argv[2],
                 qPrintable(out.errorString()));
    out.remove();
    return 1;
}
