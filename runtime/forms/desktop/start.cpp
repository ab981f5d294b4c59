// The start of a program on the desktop.
#include "forms/accessibility/accessible.h"
#include "forms/application.h"
#include "forms/core/form.h"
#include "forms/core/look.h"
#include "forms/desktop/desktop_interaction.h"
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
    QApplication::setWindowIcon(programIcon());
    claimInstanceSlot(QFileInfo(QApplication::applicationFilePath()).fileName());
    Form::setOpeningOffset(instanceOffset());
    setProgramTitle(title);
    DesktopInteraction desktop;
    setProgramInteraction(&desktop);
    initialiseLook();
    installAccessibleControls();
    loadToolkitTranslations();
    startTraceIfAsked();
    snapshotAndQuitIfAsked(showStartup());
    const int code = app.exec();
    unloadAllForms();
    stopTrace();
    setProgramInteraction(nullptr);
    return code;
}

}  // namespace rt::detail
