// How many ticks the programs' timers really deliver with their handlers
// running, beside a bare toolkit timer at the same interval doing nothing.
#include "form1.h"
#include "tick_meter.h"

#include "forms/runtime.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

TickFigures bareTimer(int intervalMs, double seconds)
{
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    return measureTicks(QStringLiteral("bare Qt timer"), intervalMs, seconds,
                        [&](std::function<void()> onTick) {
                            QObject::connect(&timer, &QTimer::timeout, onTick);
                            timer.start(intervalMs);
                        });
}

// Hooks the meter in front of a running program timer's own handler.
template <typename F>
TickFigures programTimer(const QString& what, rt::Timer& timer, double seconds, F startRunning)
{
    return measureTicks(what, timer.Interval(), seconds, [&](std::function<void()> onTick) {
        auto handler = timer.Tick;
        timer.Tick = [onTick, handler] {
            onTick();
            handler();
        };
        startRunning();
    });
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    rt::initialiseLook();
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    std::printf("Timer delivery over %.1f s per row (platform: %s)\n", seconds,
                qPrintable(QGuiApplication::platformName()));

    printFigures(bareTimer(20, seconds));
    {
        auto& tank = rt::form<Form1>();
        tank.Show();
        printFigures(programTimer(QStringLiteral("tankfill_a Timer1 (handler running)"),
                                  tank.Timer1, seconds, [&] { tank.cmdStart_Click(); }));
        rt::unloadAllForms();
    }
    return 0;
}
