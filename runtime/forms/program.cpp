#include "program.h"

#include "interaction.h"
#include "trace.h"
#include "values/errors.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QStyleFactory>

#include <exception>

namespace rt {

namespace {
QString g_title;
int g_handlerDepth = 0;

void report(int number, const QString& description)
{
    detail::traceError(number, description);
    MsgBox(QStringLiteral("Run-time error '%1':\r\n\r\n%2").arg(number).arg(description),
           vbCritical);
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

void initialiseLook()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.0);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    QLocale::setDefault(QLocale::c());
}

int detail::swapHandlerDepth(int depth)
{
    const int old = g_handlerDepth;
    g_handlerDepth = depth;
    return old;
}

bool runHandler(const std::function<void()>& handler, const char* formEvent)
{
    const detail::TraceScope trace(&handler, formEvent);
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

int MsgBox(const QString& prompt, int style, const QString& title)
{
    const QString shownTitle = title.isEmpty() ? programTitle() : title;
    return runModal([&] { return interaction().messageBox(prompt, style, shownTitle); });
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
