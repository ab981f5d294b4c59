// Lanzador's timer at 50 ms with its handler running (a throw that stays in
// the picture for most of the flight and hits nothing), beside a bare toolkit
// timer repainting a box of the same size. Run by bench_timer, or on its own.
#include "formulario.h"
#include "tick_meter.h"

#include "forms/core/look.h"
#include "forms/runtime.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    rt::setProgramTitle(QStringLiteral("lanzador"));
    rt::initialiseLook();
    const double seconds = secondsFromArguments(argc, argv);

    auto& launcher = rt::form<Lanzador::formulario>();
    launcher.Show();
    const QSize box = launcher.pctBox.childArea()->size();
    printFigures(measureBareRepaint(50, seconds, box));
    printFigures(measureProgramTimer(QStringLiteral("Lanzador Timer1 (in flight)"), launcher.Timer1,
                                     seconds, [&] {
                                         launcher.txtV.setText("44");
                                         launcher.txtAngulo.setText("75");
                                         launcher.cmdDispara_Click();
                                     }));
    rt::unloadAllForms();
    return 0;
}
