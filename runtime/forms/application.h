#pragma once

#include "forms.h"
#include "instances.h"
#include "program.h"
#include "program_icon.h"
#include "snapshot.h"
#include "trace.h"
#include "translations.h"

#include <QApplication>
#include <QFileInfo>

#ifdef RT_RANDOM_INPUT
#include "random_input.h"
#endif

namespace rt {

#ifdef RT_RANDOM_INPUT
// The program's random-input test: a random user drives the start-up window.
template <typename StartupForm>
int run(int argc, char** argv, const QString& title)
{
    return testing::runRandomInput(argc, argv, title, [] { form<StartupForm>().Show(); });
}
#else
// Starts a program: sets up the look, loads the start-up window (running its
// Form_Load), shows it and delivers events until the program ends.
template <typename StartupForm>
int run(int argc, char** argv, const QString& title)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(title);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(programIcon());
    claimInstanceSlot(QFileInfo(QApplication::applicationFilePath()).fileName());
    setProgramTitle(title);
    initialiseLook();
    loadToolkitTranslations();
    startTraceIfAsked();
    form<StartupForm>().Show();
    snapshotAndQuitIfAsked(form<StartupForm>().window());
    const int code = app.exec();
    unloadAllForms();
    return code;
}
#endif

}  // namespace rt
