#include "events/handlers.h"

#include "events/interaction.h"
#include "values/errors.h"

#include <QCoreApplication>

#include <exception>

namespace rt {

namespace {
QString g_title;
int g_handlerDepth = 0;

int showMessageBox(const QString& prompt, int style, const QString& title)
{
    const QString shownTitle = title.isEmpty() ? programTitle() : title;
    return runModal([&] { return interaction().messageBox(prompt, style, shownTitle); });
}

// The error's own message box is no message box of the program's: watchers
// see the error instead.
void report(int number, const QString& description)
{
    reportError(number, description);
    showMessageBox(QStringLiteral("Run-time error '%1':\r\n\r\n%2").arg(number).arg(description),
                   vbCritical, {});
}

bool runInBoundary(HandlerRef handler)
{
    if (g_handlerDepth > 0) {
        handler();
        return true;
    }
    struct Depth {
        Depth() { ++g_handlerDepth; }
        ~Depth() { --g_handlerDepth; }
    };
    try {
        Depth depth;
        handler();
        return true;
    } catch (const EndRequested&) {
        return true;
    } catch (const ReportedFailure&) {
        return false;
    } catch (const RuntimeError& error) {
        report(error.number(), error.description());
    } catch (const std::exception& error) {
        report(51, QStringLiteral("Internal error: %1").arg(QString::fromUtf8(error.what())));
    }
    return false;
}
}  // namespace

QString programTitle()
{
    return g_title.isEmpty() ? QCoreApplication::applicationName() : g_title;
}

void setProgramTitle(const QString& title)
{
    g_title = title;
}

int detail::swapHandlerDepth(int depth)
{
    const int old = g_handlerDepth;
    g_handlerDepth = depth;
    return old;
}

bool runHandler(const HandlerOrigin& origin, HandlerRef handler)
{
    if (Observer* watcher = detail::watching()) [[unlikely]] {
        // A new event may be held or put off by the watcher; one set off
        // inside a running handler is part of that handler's work.
        if (g_handlerDepth == 0 && !watcher->eventDue(origin)) return true;
        const HandlerScope scope(&origin);
        return runInBoundary(handler);
    }
    const HandlerScope scope(nullptr);
    return runInBoundary(handler);
}

bool runHandler(HandlerRef handler)
{
    const HandlerScope scope(nullptr);
    return runInBoundary(handler);
}

int MsgBox(const QString& prompt, int style, const QString& title)
{
    Observer* watcher = detail::watching();
    if (watcher) watcher->messageBoxShown(prompt, style);
    const int answer = showMessageBox(prompt, style, title);
    if (watcher && watcher == detail::watching()) watcher->messageBoxAnswered(answer);
    return answer;
}

void Beep()
{
    interaction().beep();
}

void End()
{
    interaction().endProgram();
    throw EndRequested{};
}

}  // namespace rt
