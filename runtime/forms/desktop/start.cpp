// The start of a program on the desktop.
#include "forms/accessibility/accessible.h"
#include "forms/application.h"
#include "forms/core/form.h"
#include "forms/core/look.h"
#include "forms/desktop/desktop_interaction.h"
#include "forms/desktop/first_frame.h"
#include "forms/desktop/instances.h"
#include "forms/desktop/program_icon.h"
#include "forms/desktop/snapshot.h"
#include "forms/desktop/translations.h"
#include "trace/trace.h"

#include <QApplication>
#include <QFileInfo>

namespace rt::detail {

int startProgram(int argc, char** argv, const QString& title,
                 const std::function<QWidget*()>& showStartup)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(title);
    QApplication::setQuitOnLastWindowClosed(false);
    claimInstanceSlot(QFileInfo(QApplication::applicationFilePath()).fileName());
    Form::setOpeningOffset(instanceOffset());
    setProgramTitle(title);
    DesktopInteraction desktop;
    setProgramInteraction(&desktop);
    initialiseLook();
    installAccessibleControls();
    loadToolkitTranslations();
    startTraceIfAsked();
    QWidget* startup = showStartup();
    // The desktop draws the icon at every size it offers: after the window is up.
    afterFirstFrame(startup, [] { QApplication::setWindowIcon(programIcon()); });
    snapshotAndQuitIfAsked(startup);
    const int code = app.exec();
    unloadAllForms();
    stopTrace();
    setProgramInteraction(nullptr);
    return code;
}

}  // namespace rt::detail
