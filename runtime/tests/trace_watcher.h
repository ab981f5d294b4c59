#pragma once

#include "trace/record.h"
#include "trace/trace_log.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStringList>

#include <functional>
#include <vector>

// Stands where the gallery does for a program traced in the test's own
// process: listens on a local socket, reads the trace's records as they come
// and sends commands back.
class TraceWatcher {
public:
    TraceWatcher()
    {
        m_server.listen(QStringLiteral("rt-trace-test-%1-%2")
                            .arg(QCoreApplication::applicationPid())
                            .arg(++s_count));
    }

    QString name() const { return m_server.fullServerName(); }

    // The records received so far.
    const std::vector<rt::Record>& records()
    {
        pump(20);
        return m_records;
    }
    // The records of one type received so far.
    std::vector<rt::Record> recordsOf(rt::RecordType type)
    {
        std::vector<rt::Record> found;
        for (const rt::Record& record : records())
            if (record.type == type) found.push_back(record);
        return found;
    }
    // How many records of one type have been read, without reading more.
    size_t countRead(rt::RecordType type) const
    {
        size_t count = 0;
        for (const rt::Record& record : m_records) count += record.type == type ? 1 : 0;
        return count;
    }
    // The trace as the gallery shows it, from the first record after `from`.
    QStringList shown(size_t from = 0, bool hideTicks = false)
    {
        rt::TraceLog log;
        log.setHideTicks(hideTicks);
        const std::vector<rt::Record>& all = records();
        for (size_t i = from; i < all.size(); ++i)
            if (all[i].type != rt::RecordType::Hello) log.add(0, all[i]);
        QStringList lines = log.text().split(u'\n');
        lines.removeLast();
        return lines;
    }
    void forget()
    {
        records();
        m_records.clear();
    }

    void send(const QByteArray& command)
    {
        pump(5);
        for (QLocalSocket* socket : m_sockets) {
            socket->write(command);
            socket->flush();
        }
    }
    void hangUp()
    {
        for (QLocalSocket* socket : m_sockets) socket->disconnectFromServer();
    }

    // Lets both ends of the socket work until `done` holds (at most two seconds).
    bool waitFor(const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > 2000) return false;
            pump(5);
        }
        return true;
    }
    bool waitForRecord(rt::RecordType type)
    {
        return waitFor([&] {
            for (const rt::Record& record : m_records)
                if (record.type == type) return true;
            return false;
        });
    }

private:
    void pump(int rounds)
    {
        for (int i = 0; i < rounds; ++i) {
            while (m_server.hasPendingConnections()) m_sockets << m_server.nextPendingConnection();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            for (QLocalSocket* socket : m_sockets) {
                socket->waitForReadyRead(1);
                while (socket->canReadLine())
                    if (auto record = rt::decode(socket->readLine().chopped(1)))
                        m_records.push_back(*record);
            }
        }
    }

    static inline int s_count = 0;
    QLocalServer m_server;
    QList<QLocalSocket*> m_sockets;
    std::vector<rt::Record> m_records;
};
