#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class QSocketNotifier;

namespace rt {

// The program's end of a connection to a local server of the toolkit (a socket
// file named by its full path, or by a name in the temporary folder), with the
// part of the toolkit's local socket interface that the trace uses, on the
// system's own sockets: the toolkit's network library would cost every
// program its loading at start-up, traced or not. The server writes lines
// back (the watcher's commands).
class TraceSocket : public QObject {
public:
    TraceSocket() = default;
    ~TraceSocket() override;
    TraceSocket(const TraceSocket&) = delete;
    TraceSocket& operator=(const TraceSocket&) = delete;

    // Connects at once, for writing and reading.
    void connectToServer(const QString& name);
    // Whether the connection was made (it never takes long locally).
    bool waitForConnected(int msecs = 30000) const;
    // Queues `bytes`; what the server does not take at once follows as it reads.
    void write(const QByteArray& bytes);
    // Sends what the server takes now, without waiting.
    void flush();
    // Sends what is queued, waiting a short while for a slow reader, and closes.
    void disconnectFromServer();

    // Called with each line the server sends, without its line end, while
    // the event loop runs.
    void onLine(std::function<void(const QByteArray&)> handler) { m_onLine = std::move(handler); }
    // Called once when the server closes its end or the connection breaks.
    void onDisconnected(std::function<void()> handler) { m_onDisconnected = std::move(handler); }

private:
    void close();
    void readAvailable();

    int m_fd = -1;
    QByteArray m_pending;
    QSocketNotifier* m_writable = nullptr;
    QSocketNotifier* m_readable = nullptr;
    QByteArray m_received;  // a line not yet complete
    std::function<void(const QByteArray&)> m_onLine;
    std::function<void()> m_onDisconnected;
};

}  // namespace rt
