#include "forms/desktop/translations.h"
#include "gallery_window.h"
#include "thumbnails.h"

#include "forms/desktop/program_icon.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("formprograms-gallery");
    QApplication::setWindowIcon(rt::programIcon());
    rt::loadToolkitTranslations();
    Thumbnails thumbnails(QApplication::applicationDirPath(),
                          QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                              QStringLiteral("/thumbnails"),
                          app.devicePixelRatio());
    GalleryWindow window(catalogue(), launchBeside, &thumbnails);
    window.show();
    return app.exec();
}
