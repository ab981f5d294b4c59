// What the gallery spends showing a program that ticks 50 times a second:
// tankfill_a filling and emptying in a child process traced to the gallery's
// window, with the gallery's CPU (share of one core) and memory sampled as it
// runs, beside the toolkit's own cost for the same stream: the same program
// traced to a bare socket reader that appends each record line to a text box
// of at most 5000 lines. "busy" turns the tank round every 100 ms as well,
// so that the trace grows past the gallery's bound of 5000 entries.
//
//   bench_gallery_trace [seconds per run, default 60] [samples, default 6] [busy]
#include "form1.h"
#include "gallery_window.h"
#include "trace_view.h"

#include "forms/core/look.h"
#include "forms/runtime.h"
#include "trace/trace.h"
#include "trace/trace_log.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

// The traced program: tankfill_a filling and emptying for ever, its trace
// going to `socket`.
int runProgram(int argc, char** argv, const QString& socket, bool busy)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("tankfill_a");
    QApplication::setQuitOnLastWindowClosed(false);
    rt::initialiseLook();
    if (!rt::startTrace(socket)) return 1;
    auto& tank = rt::form<tankfill_a::Form1>();
    tank.Show();
    tank.hsbCaudal.setValue(100);
    tank.cmdStart_Click();
    // Full or empty (or every time, when busy), the tank turns round, so the
    // level keeps changing.
    QTimer turn;
    QObject::connect(&turn, &QTimer::timeout, [&] {
        const bool filling = tank.optLLenar.Value();
        if (busy || tank.txtH.Text() == (filling ? "5000" : "0"))
            (filling ? tank.optVaciar : tank.optLLenar).setValue(true);
    });
    turn.start(100);
    return QApplication::exec();
}

double cpuSecondsOfThisProcess()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096 / (1024 * 1024) : 0;
}

// Starts this executable as the traced program, runs the event loop for
// `seconds` and prints a row at each of `samples` moments.
void measure(const char* what, const QString& socket, double seconds, int samples, bool busy,
             const std::function<QString()>& shown)
{
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QCoreApplication::applicationFilePath(),
                  {"--program", socket, busy ? "busy" : "calm"});
    program.waitForStarted();
    std::printf("%s\n", what);
    double cpuBefore = cpuSecondsOfThisProcess();
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    for (int sample = 1; sample <= samples; ++sample) {
        QEventLoop loop;
        QTimer::singleShot(int(seconds * 1000 / samples), &loop, &QEventLoop::quit);
        loop.exec();
        const qint64 now = clock.elapsed();
        const double cpu = cpuSecondsOfThisProcess();
        std::printf("  after %6.1f s: CPU %5.1f %% of one core, resident %6.1f MB, %s\n",
                    now / 1000.0, 100.0 * (cpu - cpuBefore) * 1000.0 / double(now - last),
                    residentMegabytes(), qPrintable(shown()));
        std::fflush(stdout);
        cpuBefore = cpu;
        last = now;
    }
    program.kill();
    program.waitForFinished();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 2 && std::strcmp(argv[1], "--program") == 0)
        return runProgram(argc, argv, QString::fromLocal8Bit(argv[2]),
                          argc > 3 && std::strcmp(argv[3], "busy") == 0);

    QApplication app(argc, argv);
    const double seconds = argc > 1 && std::atof(argv[1]) > 0 ? std::atof(argv[1]) : 60;
    const int samples = argc > 2 && std::atoi(argv[2]) > 0 ? std::atoi(argv[2]) : 6;
    const bool busy = argc > 3 && std::strcmp(argv[3], "busy") == 0;
    std::printf(
        "The gallery beside tankfill_a ticking 50 times a second%s, %.0f s per run "
        "(platform: %s)\n",
        busy ? " and turning round every 100 ms" : "", seconds,
        qPrintable(QGuiApplication::platformName()));
    {
        GalleryWindow gallery(catalogue(), [](const QString&, const QString&) { return true; });
        gallery.show();
        const TraceView* trace = gallery.trace();
        measure("gallery window (trace and variables panes):", trace->socketName(), seconds,
                samples, busy,
                [trace] { return QStringLiteral("%1 trace rows").arg(trace->log()->rowCount()); });
    }
    {
        // The toolkit alone: each record line appended to a bounded text box.
        QPlainTextEdit text;
        text.setMaximumBlockCount(5000);
        text.resize(560, 260);
        text.show();
        QLocalServer server;
        server.listen(QStringLiteral("bench-gallery-%1").arg(QCoreApplication::applicationPid()));
        QObject::connect(&server, &QLocalServer::newConnection, [&] {
            QLocalSocket* socket = server.nextPendingConnection();
            QObject::connect(socket, &QLocalSocket::readyRead, [socket, &text] {
                while (socket->canReadLine())
                    text.appendPlainText(QString::fromUtf8(socket->readLine().chopped(1)));
            });
        });
        measure("bare Qt: record lines appended to a QPlainTextEdit of 5000 lines:",
                server.fullServerName(), seconds, samples, busy,
                [&] { return QStringLiteral("%1 lines").arg(text.blockCount()); });
    }
    return 0;
}
