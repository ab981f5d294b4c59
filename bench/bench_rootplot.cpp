// rootplot's two costly handlers beside the toolkit's (or plain C++'s) cost
// for the same work: a Newton run that only the Integer step counter's
// overflow ends (32767 steps), and one full plot.
#include "dibujar.h"
#include "frmdib.h"

#include "forms/core/look.h"
#include "forms/runtime.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Answers every message box at once and notes when the first one came.
class QuietUser : public rt::Interaction {
public:
    int messageBox(const QString& prompt, int, const QString&) override
    {
        lastPrompt = prompt;
        return rt::vbOK;
    }
    void beep() override {}
    void endProgram() override {}
    QString lastPrompt;
};

template <typename F>
double medianMs(int runs, F work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The same 32767 Newton steps on the same cubic in unchecked doubles.
double plainNewton(double x)
{
    for (int n = 0; n < 32767; ++n) {
        const double f = ((x * x * x - 3 * x * x) - x) + 3;
        const double fd = (3 * x * x - 6 * x) - 1;
        x -= f / fd;
    }
    return x;
}

// The same axes, ticks and 201-point curve, drawn with QPainter on an image of
// the box's inner size.
void painterPlot(QImage& image, double ymax)
{
    image.fill(Qt::white);
    QPainter p(&image);
    const double w = image.width(), h = image.height();
    const auto px = [&](double x) { return (x + 11) * w / 22; };
    const auto py = [&](double y) { return (ymax - y) * h / (2 * ymax); };
    p.drawLine(QPointF(px(-10), py(0)), QPointF(px(10), py(0)));
    p.drawLine(QPointF(px(0), py(0.9 * ymax)), QPointF(px(0), py(-0.9 * ymax)));
    for (int i = -10; i <= 10; ++i)
        p.drawLine(QPointF(px(i), py(-ymax / 20)), QPointF(px(i), py(0)));
    for (double y = -0.9 * ymax; y <= 0.9 * ymax; y += 10)
        p.drawLine(QPointF(px(-0.4), py(y)), QPointF(px(0), py(y)));
    QPolygonF curve;
    for (double x = -10; x <= 10; x += 0.1)
        curve << QPointF(px(x), py(x * x * x - 3 * x * x - x + 3));
    p.drawPolyline(curve);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    rt::initialiseLook();
    rt::setProgramTitle("rootplot");
    QuietUser user;
    rt::setInteraction(&user);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;

    rootplot::frmDib& form = rt::form<rootplot::frmDib>();
    form.Show();
    form.eps = -1;  // never satisfied: the run ends with the step counter's Overflow

    std::printf("rootplot, median of %d runs (platform: %s)\n", runs,
                qPrintable(QGuiApplication::platformName()));
    const double solver =
        medianMs(runs, [&] { rt::runHandler([&] { form.cmdResolver_Click(); }); });
    std::printf("  Resolver with eps < 0 until Overflow (32767 steps): %8.3f ms  [%s]\n", solver,
                qPrintable(QString(user.lastPrompt).replace("\r\n", " ")));
    volatile double sink = 0;
    const double plain = medianMs(runs, [&] { sink = plainNewton(10); });
    std::printf("  plain C++ doubles, same 32767 steps:                %8.3f ms\n", plain);

    const double plot = medianMs(runs, [&] { rootplot::DibujarFuncion(10, 100); });
    QImage image(form.pctBox.image().size(), QImage::Format_RGB32);
    const double painter = medianMs(runs, [&] { painterPlot(image, 100); });
    std::printf("  DibujarFuncion at ymax 100:                         %8.3f ms\n", plot);
    std::printf("  QPainter, same lines on a %dx%d image:              %8.3f ms\n", image.width(),
                image.height(), painter);
    (void)sink;
    rt::setInteraction(nullptr);
    rt::unloadAllForms();
    return 0;
}
