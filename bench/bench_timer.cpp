// How many ticks the programs' timers really deliver with their handlers
// running, beside a bare toolkit timer at the same interval doing nothing.
// Programs whose windows share a class name cannot live in one executable:
// each of those has a bench_timer_<program> of its own beside this one, run
// from here with the same measuring window.
//
// "bench_timer trace [seconds]" measures what the event trace costs instead:
// tankfill_a and tankflow with the trace built in but off, with starts and
// ends only, and full, each with a listener reading.
#include "form1.h"
#include "tick_meter.h"

#include "forms/core/look.h"
#include "forms/runtime.h"
#include "trace/trace.h"

#include <QApplication>
#include <QProcess>

#include <cstdio>

namespace {

// Runs a sibling benchmark executable and passes its rows through.
bool runSibling(const QString& name, double seconds, QStringList arguments = {})
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name,
                  arguments << QString::number(seconds));
    if (!process.waitForFinished(int(seconds * 1000) * 4 + 30000) ||
        process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::printf("%s failed: %s\n", qPrintable(name), qPrintable(process.errorString()));
        return false;
    }
    std::fputs(process.readAllStandardOutput().constData(), stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    rt::initialiseLook();
    const double seconds = secondsFromArguments(argc, argv);
    if (traceCostsAsked(argc, argv)) {
        std::printf("Event trace costs over %.1f s per row (platform: %s)\n", seconds,
                    qPrintable(QGuiApplication::platformName()));
        printFigures(measureBareTimer(20, seconds));
        printTraceCosts(
            QStringLiteral("tankfill_a"), seconds,
            []() -> rt::Timer& {
                auto& tank = rt::form<tankfill_a::Form1>();
                tank.Show();
                return tank.Timer1;
            },
            [] { rt::form<tankfill_a::Form1>().cmdStart_Click(); });
        return runSibling(QStringLiteral("bench_timer_tankflow"), seconds, {"trace"}) ? 0 : 1;
    }
    std::printf("Timer delivery over %.1f s per row (platform: %s)\n", seconds,
                qPrintable(QGuiApplication::platformName()));

    printFigures(measureBareTimer(20, seconds));
    {
        auto& tank = rt::form<tankfill_a::Form1>();
        tank.Show();
        printFigures(measureProgramTimer(QStringLiteral("tankfill_a Timer1 (handler running)"),
                                         tank.Timer1, seconds, [&] { tank.cmdStart_Click(); }));
        rt::unloadAllForms();
    }
    std::fflush(stdout);

    bool ok = true;
    const char* const siblings[] = {RT_TIMER_BENCHES nullptr};
    for (const char* const* sibling = siblings; *sibling; ++sibling)
        ok = runSibling(QString::fromUtf8(*sibling), seconds) && ok;
    return ok ? 0 : 1;
}
