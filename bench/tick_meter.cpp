#include "tick_meter.h"

#include "forms/controls/timer.h"
#include "forms/core/forms.h"
#include "trace/trace.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <vector>

namespace {
double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}
}  // namespace

TickFigures measureTicks(const QString& what, int intervalMs, double seconds,
                         const std::function<void(std::function<void()> onTick)>& install)
{
    std::vector<qint64> stamps;
    QElapsedTimer clock;
    clock.start();
    install([&] { stamps.push_back(clock.nsecsElapsed()); });
    const double cpuBefore = cpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    const double cpu = cpuSeconds() - cpuBefore;

    TickFigures f;
    f.what = what;
    f.intervalMs = intervalMs;
    f.ticks = int(stamps.size());
    f.seconds = seconds;
    f.cpuMicrosPerTick = f.ticks ? cpu * 1e6 / f.ticks : 0;
    std::vector<double> gaps;
    for (size_t i = 1; i < stamps.size(); ++i) gaps.push_back((stamps[i] - stamps[i - 1]) / 1e6);
    if (!gaps.empty()) {
        double sum = 0, squares = 0;
        for (double g : gaps) sum += g;
        f.meanIntervalMs = sum / gaps.size();
        for (double g : gaps) squares += (g - f.meanIntervalMs) * (g - f.meanIntervalMs);
        f.stddevIntervalMs = std::sqrt(squares / gaps.size());
        f.minIntervalMs = *std::min_element(gaps.begin(), gaps.end());
        f.maxIntervalMs = *std::max_element(gaps.begin(), gaps.end());
    }
    return f;
}

TickFigures measureBareTimer(int intervalMs, double seconds)
{
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    return measureTicks(QStringLiteral("bare Qt timer"), intervalMs, seconds,
                        [&](std::function<void()> onTick) {
                            QObject::connect(&timer, &QTimer::timeout, onTick);
                            timer.start(intervalMs);
                        });
}

namespace {
// A widget that shows an image, as a picture box does.
class ImageView : public QWidget {
public:
    explicit ImageView(QSize size) : image(size, QImage::Format_RGB32)
    {
        setFixedSize(size);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    QImage image;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, image); }
};
}  // namespace

TickFigures measureBareRepaint(int intervalMs, double seconds, QSize pixels)
{
    ImageView view(pixels);
    view.show();
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    int step = 0;
    return measureTicks(
        QStringLiteral("bare Qt timer repainting %1x%2").arg(pixels.width()).arg(pixels.height()),
        intervalMs, seconds, [&](std::function<void()> onTick) {
            QObject::connect(&timer, &QTimer::timeout, [&, onTick] {
                onTick();
                view.image.fill(Qt::white);
                QPainter painter(&view.image);
                painter.setPen(QPen(Qt::red, 3, Qt::SolidLine, Qt::RoundCap));
                painter.drawPoint(step++ % pixels.width(), pixels.height() / 2);
                view.update();
            });
            timer.start(intervalMs);
        });
}

TickFigures measureProgramTimer(const QString& what, rt::Timer& timer, double seconds,
                                const std::function<void()>& startRunning)
{
    const auto handler = timer.Tick;
    TickFigures figures =
        measureTicks(what, timer.Interval(), seconds, [&](std::function<void()> onTick) {
            timer.Tick = [onTick, handler] {
                onTick();
                handler();
            };
            startRunning();
        });
    timer.Tick = handler;                   // the meter goes with its measuring window
    figures.intervalMs = timer.Interval();  // as the program set it going
    return figures;
}

double secondsFromArguments(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (const double seconds = std::atof(argv[i]); seconds > 0) return seconds;
    return 5.0;
}

bool traceCostsAsked(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "trace") == 0) return true;
    return false;
}

namespace {
// Reads and drops the trace as it comes, as the gallery reads it.
class TraceListener {
public:
    TraceListener()
    {
        m_server.listen(QStringLiteral("bench-trace-%1").arg(QCoreApplication::applicationPid()));
        QObject::connect(&m_server, &QLocalServer::newConnection, [this] {
            QLocalSocket* socket = m_server.nextPendingConnection();
            QObject::connect(socket, &QLocalSocket::readyRead, [socket] { socket->readAll(); });
        });
    }
    QString name() const { return m_server.fullServerName(); }

private:
    QLocalServer m_server;
};
}  // namespace

void printTraceCosts(const QString& program, double seconds,
                     const std::function<rt::Timer&()>& open,
                     const std::function<void()>& startRunning)
{
    TraceListener listener;
    const auto measure = [&](const QString& what, std::optional<rt::TraceDetail> detail) {
        if (detail) rt::startTrace(listener.name(), *detail);
        rt::Timer& timer = open();
        const TickFigures figures = measureProgramTimer(
            program + QStringLiteral(" (") + what + u')', timer, seconds, startRunning);
        rt::unloadAllForms();
        rt::stopTrace();
        printFigures(figures);
        std::printf("%-34s %6.1f %% of the nominal %.0f ticks/s\n", "",
                    100.0 * figures.ticksPerSecond() * figures.intervalMs / 1000.0,
                    1000.0 / figures.intervalMs);
        return figures;
    };
#ifdef RT_NO_TRACE
    measure(QStringLiteral("trace compiled out"), std::nullopt);
#else
    measure(QStringLiteral("trace off"), std::nullopt);
    const TickFigures handlers = measure(QStringLiteral("starts, ends"), rt::TraceDetail::Handlers);
    const TickFigures full = measure(QStringLiteral("full trace"), rt::TraceDetail::Full);
    std::printf("%-34s CPU per tick, full trace / starts and ends only: %.2f\n", "",
                full.cpuMicrosPerTick / handlers.cpuMicrosPerTick);
#endif
    std::fflush(stdout);
}

void printFigures(const TickFigures& f)
{
    std::printf(
        "%-34s %4d ms  %7.2f ticks/s  interval mean %6.2f ms (min %6.2f, max %6.2f, sd %5.2f)"
        "  CPU %7.1f us/tick\n",
        qPrintable(f.what), f.intervalMs, f.ticksPerSecond(), f.meanIntervalMs, f.minIntervalMs,
        f.maxIntervalMs, f.stddevIntervalMs, f.cpuMicrosPerTick);
}
