#pragma once

#include "forms.h"
#include "program.h"
#include "snapshot.h"
#include "translations.h"

#include <QApplication>

namespace rt {

// Starts a program: sets up the look, loads the start-up window (running its
// Form_Load), shows it and delivers events until the program ends.
template <typename StartupForm>
int run(int argc, char** argv, const QString& title)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(title);
    QApplication::setQuitOnLastWindowClosed(false);
    setProgramTitle(title);
    initialiseLook();
    loadToolkitTranslations();
    form<StartupForm>().Show();
    snapshotAndQuitIfAsked(form<StartupForm>().window());
    const int code = app.exec();
    unloadAllForms();
    return code;
}

}  // namespace rt
