#include "trace/trace.h"

#include "events/observer.h"
#include "trace/trace_socket.h"

#include <QList>

namespace rt {

namespace {

// Writes what the program does to the trace's socket. A form event's start
// is held back until its handler does something that is reported, or
// returns: the form's own empty handler withdraws it.
class TraceWriter : public Observer {
public:
    explicit TraceWriter(TraceSocket* socket) : m_socket(socket) {}
    ~TraceWriter() override
    {
        m_socket->flush();
        m_socket->disconnectFromServer();
        delete m_socket;
    }

    void handlerStarted(const HandlerOrigin& origin) override
    {
        if (origin.formEvent) {
            m_open.append(
                {QStringLiteral("Form_") + QLatin1String(nameOf(origin.event)), m_depth++, true});
            return;
        }
        QString name = origin.subject.name + u'_' + QLatin1String(nameOf(origin.event));
        if (origin.subject.index >= 0) name += QStringLiteral("(%1)").arg(origin.subject.index);
        send('B', m_depth, name);
        m_open.append({name, m_depth++, false});
    }
    void handlerEnded() override
    {
        if (m_open.isEmpty()) return;
        --m_depth;
        const Open& ended = m_open.last();
        if (!ended.dropped) send('E', ended.depth, ended.name);  // a held start goes first
        m_open.removeLast();
    }
    void formEventUnhandled() override
    {
        if (!m_open.isEmpty() && m_open.last().held && !m_open.last().sent)
            m_open.last().dropped = true;
    }
    void assignmentStarted(Subject, PropertyName, std::optional<int>, const Variant&) override {}
    void assignmentEnded() override {}
    void errorShown(int number, const QString& description) override
    {
        send('X', m_depth, QStringLiteral("%1 %2").arg(number).arg(description));
    }

private:
    // A handler that has started and not ended.
    struct Open {
        QString name;
        int depth;
        bool held;  // a form event whose start is held back
        bool sent = false;
        bool dropped = false;
    };

    void write(char kind, int depth, const QString& text)
    {
        m_socket->write(
            QStringLiteral("%1\t%2\t%3\n").arg(QChar(kind)).arg(depth).arg(text).toUtf8());
        m_socket->flush();
    }
    // Sends a line, after the held-back starts of the form events it lies inside.
    void send(char kind, int depth, const QString& text)
    {
        for (Open& open : m_open) {
            if (!open.held || open.sent || open.dropped) continue;
            open.sent = true;
            write('B', open.depth, open.name);
        }
        write(kind, depth, text);
    }

    TraceSocket* m_socket;
    QList<Open> m_open;
    int m_depth = 0;
};

TraceWriter* g_writer = nullptr;

}  // namespace

bool startTraceIfAsked()
{
    const QString name = qEnvironmentVariable("RT_TRACE");
    return !name.isEmpty() && startTrace(name);
}

bool startTrace(const QString& socketName)
{
    stopTrace();
    auto* socket = new TraceSocket;
    socket->connectToServer(socketName, QIODevice::WriteOnly);
    if (!socket->waitForConnected(2000)) {
        delete socket;
        return false;
    }
    g_writer = new TraceWriter(socket);
    setObserver(g_writer);
    return true;
}

void stopTrace()
{
    if (!g_writer) return;
    setObserver(nullptr);
    delete g_writer;
    g_writer = nullptr;
}

bool tracing()
{
    return g_writer != nullptr;
}

}  // namespace rt
