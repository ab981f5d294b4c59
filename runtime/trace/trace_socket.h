#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace rt {

// The writing end of a connection to a local server of the toolkit (a socket
// file named by its full path, or by a name in the temporary folder), with the
// part of the toolkit's local socket interface that the trace uses, on the
// system's own sockets: the toolkit's network library would cost every
// program its loading at start-up, traced or not.
class TraceSocket : public QObject {
public:
    TraceSocket() = default;
    ~TraceSocket() override;
    TraceSocket(const TraceSocket&) = delete;
    TraceSocket& operator=(const TraceSocket&) = delete;

    // Connects at once; the mode is always writing.
    void connectToServer(const QString& name, QIODevice::OpenMode mode = QIODevice::WriteOnly);
    // Whether the connection was made (it never takes long locally).
    bool waitForConnected(int msecs = 30000) const;
    // Queues `bytes`; what the server does not take at once follows as it reads.
    void write(const QByteArray& bytes);
    // Sends what the server takes now, without waiting.
    void flush();
    // Sends what is queued, waiting a short while for a slow reader, and closes.
    void disconnectFromServer();

private:
    void close();

    int m_fd = -1;
    QByteArray m_pending;
    QSocketNotifier* m_writable = nullptr;
};

}  // namespace rt
