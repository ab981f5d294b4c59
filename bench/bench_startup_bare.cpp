// The toolkit's own cost of a window: an application and one window of the
// given size (width and height in pixels, 400 by 300 when not given) showing
// one line of text, nothing else. bench_startup starts it beside each program.
// The line of text makes it pay what any window with text pays once, the
// reading of the font configuration.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const int width = arguments.size() > 2 ? arguments[1].toInt() : 400;
    const int height = arguments.size() > 2 ? arguments[2].toInt() : 300;
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(width, height);
    auto* text = new QLabel(QStringLiteral("bare"), &window);
    text->move(8, 8);
    window.show();
    return app.exec();
}
