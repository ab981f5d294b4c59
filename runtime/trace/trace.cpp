#include "trace/trace.h"

#include "events/form_variables.h"
#include "events/observer.h"
#include "trace/record.h"
#include "trace/stepper.h"
#include "trace/trace_log.h"
#include "trace/trace_printer.h"
#include "trace/trace_socket.h"
#include "values/code_text.h"

#include <QCoreApplication>
#include <QList>

#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <set>

namespace rt {

namespace {

// Where the records go.
class RecordSink {
public:
    virtual ~RecordSink() = default;
    virtual void put(const Record& record) = 0;
    // Sends what was put so far: at the end of each event and before the
    // program waits for anything.
    virtual void flush() = 0;
};

// The watcher's local socket; the watcher answers with commands.
class SocketSink : public RecordSink {
public:
    explicit SocketSink(TraceSocket* socket) : m_socket(socket) {}
    ~SocketSink() override
    {
        // No more commands nor news of the watcher going.
        m_socket->onLine({});
        m_socket->onDisconnected({});
        m_socket->flush();
        m_socket->disconnectFromServer();
        delete m_socket;
    }
    void put(const Record& record) override { m_socket->write(encode(record)); }
    void flush() override { m_socket->flush(); }

private:
    TraceSocket* m_socket;
};

// Standard error, in the words the gallery shows.
class TextSink : public RecordSink {
public:
    TextSink() : m_printer(m_log, stderr, isatty(fileno(stderr))) {}
    ~TextSink() override
    {
        m_log.programEnded(0);
        m_printer.finish();
    }
    void put(const Record& record) override
    {
        if (record.type == RecordType::Hello) {
            m_log.programStarted(0, record.fields.value(1));
        } else {
            m_log.add(0, record);
        }
    }
    void flush() override { m_printer.update(); }

private:
    TraceLog m_log;
    TracePrinter m_printer;
};

HandlerName handlerOf(const HandlerOrigin& origin)
{
    return {origin.subject.form, origin.subject.name, origin.subject.index,
            QString::fromLatin1(nameOf(origin.event)), origin.formEvent};
}

QString valueText(PropertyName property, const Variant& value)
{
    const bool colour = property == PropertyName::BackColor ||
                        property == PropertyName::ForeColor || property == PropertyName::Color;
    if (colour && value.isNumeric() && value.kind() != Variant::Kind::String)
        return colourText(value.toLong());
    return codeText(value);
}

// Turns what the program does into records. A form event's start is held
// back until its handler does something that is reported, or returns: the
// form's own empty handler withdraws it.
class TraceWriter : public Observer {
public:
    TraceWriter(std::unique_ptr<RecordSink> sink, TraceDetail detail)
        : m_sink(std::move(sink)), m_full(detail == TraceDetail::Full)
    {
        m_stepper.onWaiting = [this](const HandlerOrigin& origin) {
            sendVariables();
            write({RecordType::Waiting, 0, handlerOf(origin).fields()});
            m_sink->flush();
        };
        m_stepper.onDropped = [this] {
            write({RecordType::Dropped, 0, {}});
            m_sink->flush();
        };
        write({RecordType::Hello,
               0,
               {QString::number(kTraceVersion), QCoreApplication::applicationName()}});
        m_sink->flush();
    }
    ~TraceWriter() override { m_stepper.setOn(false); }

    Stepper& stepper() { return m_stepper; }

    bool eventDue(const HandlerOrigin& origin) override
    {
        // A window's own events and repaints run as they come.
        if (origin.formEvent || origin.event == EventName::Paint) return true;
        return m_stepper.admit(origin);
    }
    bool holdingEvent() const override { return m_stepper.holding(); }
    void dropHeldEvent(std::function<void()> afterwards) override
    {
        m_stepper.drop(std::move(afterwards));
    }

    void handlerStarted(const HandlerOrigin& origin) override
    {
        m_interrupted.reset();
        const HandlerName handler = handlerOf(origin);
        if (origin.formEvent) {
            m_open.append({handler, m_depth++, true});
            return;
        }
        send({RecordType::Begin, m_depth, handler.fields()});
        m_open.append({handler, m_depth++, false});
    }
    void handlerEnded(bool interrupted) override
    {
        if (m_open.isEmpty()) return;
        --m_depth;
        const Open& ended = m_open.last();
        if (!ended.dropped) {
            send({RecordType::End, ended.depth, {}});  // a held start goes first
            if (interrupted) m_interrupted = ended.handler;
        }
        m_open.removeLast();
        if (m_depth == 0) {
            sendVariables();
            m_sink->flush();
        }
    }
    void formEventUnhandled() override
    {
        if (!m_open.isEmpty() && m_open.last().held && !m_open.last().sent)
            m_open.last().dropped = true;
    }
    void assignmentStarted(Subject subject, PropertyName property, std::optional<int> item,
                           const Variant& value) override
    {
        if (!m_full) return;
        send({RecordType::Assignment,
              m_depth++,
              {subject.form, subject.name, QString::number(subject.index),
               QString::fromLatin1(nameOf(property)), item ? QString::number(*item) : QString(),
               valueText(property, value)}});
    }
    void assignmentEnded() override
    {
        if (m_full) --m_depth;
    }
    void messageBoxShown(const QString& prompt, int style) override
    {
        send({RecordType::Message, m_depth, {QString::number(style), prompt}});
        m_sink->flush();
    }
    void messageBoxAnswered(int answer) override
    {
        send({RecordType::Answer, m_depth, {QString::number(answer)}});
    }
    void errorShown(int number, const QString& description) override
    {
        HandlerName stopped;
        if (m_interrupted) {
            stopped = *m_interrupted;
        } else {
            for (const Open& open : m_open)
                if (!open.dropped) stopped = open.handler;
        }
        send({RecordType::Error, m_depth,
              QStringList{QString::number(number), description} + stopped.fields()});
        m_interrupted.reset();
        m_sink->flush();
    }

private:
    // A handler that has started and not ended.
    struct Open {
        HandlerName handler;
        int depth;
        bool held;  // a form event whose start is held back
        bool sent = false;
        bool dropped = false;
    };

    void write(const Record& record) { m_sink->put(record); }
    // Writes a record, after the held-back starts of the form events it lies inside.
    void send(const Record& record)
    {
        for (Open& open : m_open) {
            if (!open.held || open.sent || open.dropped) continue;
            open.sent = true;
            write({RecordType::Begin, open.depth, open.handler.fields()});
        }
        write(record);
    }
    // The form-level variables whose value or type changed since they were
    // last sent, and the windows that have gone.
    void sendVariables()
    {
        if (!m_full) return;
        std::set<QString> forms;
        for (const WindowVariables& window : loadedWindowsVariables()) {
            forms.insert(window.form);
            for (const WatchedVariable& variable : window.variables) {
                QString& sent = m_sent[window.form + u'\t' + variable.name];
                const QString now = variable.type + u'\t' + variable.value;
                if (sent == now) continue;
                sent = now;
                write({RecordType::Variable,
                       0,
                       {window.form, variable.name, variable.type, variable.value}});
            }
        }
        for (const QString& form : m_forms)
            if (!forms.contains(form)) {
                write({RecordType::WindowGone, 0, {form}});
                std::erase_if(m_sent, [&](const auto& entry) {
                    return entry.first.startsWith(form + u'\t');
                });
            }
        m_forms = std::move(forms);
    }

    std::unique_ptr<RecordSink> m_sink;
    bool m_full;
    Stepper m_stepper;
    int m_depth = 0;
    QList<Open> m_open;
    std::optional<HandlerName> m_interrupted;
    std::map<QString, QString> m_sent;  // "form<TAB>name": "type<TAB>value"
    std::set<QString> m_forms;
};

TraceWriter* g_writer = nullptr;

void start(std::unique_ptr<RecordSink> sink, TraceDetail detail)
{
    g_writer = new TraceWriter(std::move(sink), detail);
    setObserver(g_writer);
}

// The watcher's commands: hold each new event ("S\t1"), run on ("S\t0"),
// run the waiting event ("N"). A watcher that goes lets the program run on,
// untraced.
void listen(TraceSocket* socket, TraceWriter* writer)
{
    socket->onLine([writer](const QByteArray& line) {
        const QByteArray command = line.trimmed();
        if (command == "S\t1") {
            writer->stepper().setOn(true);
        } else if (command == "S\t0") {
            writer->stepper().setOn(false);
        } else if (command == "N") {
            writer->stepper().release();
        }
    });
    socket->onDisconnected([writer] {
        if (observer() == writer) setObserver(nullptr);
        writer->stepper().setOn(false);
    });
}

}  // namespace

bool startTraceIfAsked()
{
    const QString asked = qEnvironmentVariable("RT_TRACE");
    if (asked == QLatin1String("stderr")) return startTraceToStandardError();
    return !asked.isEmpty() && startTrace(asked);
}

bool startTrace(const QString& socketName, TraceDetail detail)
{
    stopTrace();
    auto* socket = new TraceSocket;
    socket->connectToServer(socketName);
    if (!socket->waitForConnected(2000)) {
        delete socket;
        return false;
    }
    start(std::make_unique<SocketSink>(socket), detail);
    listen(socket, g_writer);
    return tracing();
}

bool startTraceToStandardError()
{
    stopTrace();
    start(std::make_unique<TextSink>(), TraceDetail::Full);
    return tracing();
}

void stopTrace()
{
    if (!g_writer) return;
    if (observer() == g_writer) setObserver(nullptr);
    delete g_writer;
    g_writer = nullptr;
}

bool tracing()
{
    return g_writer && observer() == g_writer;
}

bool eachEventWaits()
{
    return tracing() && g_writer->stepper().isOn();
}

}  // namespace rt
