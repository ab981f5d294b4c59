#include "gallery_window.h"
#include "language.h"
#include "thumbnails.h"

#include "forms/desktop/program_icon.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("formprograms-gallery");
    QApplication::setWindowIcon(rt::programIcon());
    installTranslations();
    Thumbnails thumbnails(programDirectory(),
                          QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                              QStringLiteral("/thumbnails"),
                          app.devicePixelRatio());
    GalleryWindow window(catalogue(), launchBeside, &thumbnails);
    window.show();
    return app.exec();
}
