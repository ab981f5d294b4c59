#include "gallery_window.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("gallery");
    GalleryWindow window(catalogue(), launchBeside);
    window.show();
    return app.exec();
}
