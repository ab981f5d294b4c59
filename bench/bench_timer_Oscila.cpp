// Oscila's timer at 20 ms with its handler running, once drawing the circle
// and once moving the block label, beside a bare toolkit timer repainting a
// box of the same size. Run by bench_timer, or on its own.
#include "frmoscila.h"
#include "tick_meter.h"

#include "forms/core/look.h"
#include "forms/runtime.h"

#include <QApplication>
#include <QWidget>

#include <utility>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    rt::setProgramTitle(QStringLiteral("Oscila"));
    rt::initialiseLook();
    const double seconds = secondsFromArguments(argc, argv);

    auto& oscillation = rt::form<Oscila::frmOscila>();
    oscillation.Show();
    const QSize box = oscillation.pctBox.childArea()->size();
    oscillation
        .cmdStart_Click();  // the motion runs from load on: stopped while measuring the bare row
    printFigures(measureBareRepaint(20, seconds, box));
    for (const auto& [body, what] :
         {std::pair{2, "Oscila Timer1 (circle)"}, std::pair{3, "Oscila Timer1 (block)"}}) {
        oscillation.optMovil[body].setValue(true);
        printFigures(measureProgramTimer(QString::fromUtf8(what), oscillation.Timer1, seconds,
                                         [&] { oscillation.cmdStart_Click(); }));
        oscillation.cmdStart_Click();
    }
    rt::unloadAllForms();
    return 0;
}
