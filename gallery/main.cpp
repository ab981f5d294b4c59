#include "gallery_window.h"

#include "forms/program_icon.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("gallery");
    QApplication::setWindowIcon(rt::programIcon());
    GalleryWindow window(catalogue(), launchBeside);
    window.show();
    return app.exec();
}
