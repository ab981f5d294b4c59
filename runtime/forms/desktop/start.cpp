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
#include "forms/desktop/widget_tree.h"
#include "trace/trace.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

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
    // The window system takes the icon at every size it is offered, decoded:
    // after the window is up, and only the sizes of title bars and task bars
    // (launchers and switchers show the desktop entry's icon). The larger
    // ones would cost every program about 0.4 MiB for the rest of its life.
    afterFirstFrame(startup, [] {
        QApplication::setWindowIcon(iconFromResources(QStringLiteral(":/program-icon"), 64));
    });
    snapshotAndQuitIfAsked(startup);
    writeWidgetTreeAndQuitIfAsked(startup);
    const int code = app.exec();
    unloadAllForms();
    stopTrace();
    setProgramInteraction(nullptr);
    return code;
}

}  // namespace rt::detail
