// tankflow's timer at 40 ms with its handler running (both tanks filling and
// draining, liquid passing through the pipe), beside a bare toolkit timer at
// 40 ms. Run by bench_timer, or on its own.
#include "form1.h"
#include "tick_meter.h"

#include "forms/core/look.h"
#include "forms/runtime.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    rt::setProgramTitle(QStringLiteral("tankflow"));
    rt::initialiseLook();
    const double seconds = secondsFromArguments(argc, argv);

    printFigures(measureBareTimer(40, seconds));
    const auto setGoing = [] {
        auto& tanks = rt::form<tankflow::Form1>();
        tanks.vsbI1.setValue(60);
        tanks.vsbS2.setValue(20);
        tanks.hsbPaso.setValue(40);
    };
    if (traceCostsAsked(argc, argv)) {
        printTraceCosts(
            QStringLiteral("tankflow"), seconds,
            []() -> rt::Timer& {
                auto& tanks = rt::form<tankflow::Form1>();
                tanks.Show();
                return tanks.Timer1;
            },
            setGoing);
        return 0;
    }
    auto& tanks = rt::form<tankflow::Form1>();
    tanks.Show();
    printFigures(measureProgramTimer(QStringLiteral("tankflow Timer1 (handler running)"),
                                     tanks.Timer1, seconds, setGoing));
    rt::unloadAllForms();
    return 0;
}
