// The trace's socket: everything reaches a slow reader in order, a reader
// that has gone ends the trace quietly, names resolve as the toolkit's local
// servers give them, and the watcher's commands come back a line at a time.
#include "trace/trace_socket.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class TraceSocketTest : public ::testing::Test {
protected:
    TraceSocketTest()
    {
        server.listen(
            QStringLiteral("rt-trace-socket-test-%1").arg(QCoreApplication::applicationPid()));
    }

    // The server's end of the connection, once the client has connected.
    QLocalSocket* accepted()
    {
        server.waitForNewConnection(2000);
        return server.nextPendingConnection();
    }

    // Lets the event loop run until `done` or two seconds have passed.
    static void runUntil(const std::function<bool()>& done)
    {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    // Lets the event loop run for a while, for what must not happen.
    static void runFor(int ms)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    QLocalServer server;
};

TEST_F(TraceSocketTest, ASlowReaderGetsEverythingInOrder)
{
    rt::TraceSocket socket;
    socket.connectToServer(server.serverName());  // a name in the temporary folder
    ASSERT_TRUE(socket.waitForConnected());
    QLocalSocket* reader = accepted();
    ASSERT_NE(reader, nullptr);

    // Far more than the system holds for a reader that is not reading.
    QByteArray sent;
    for (int line = 0; line < 40000; ++line) {
        const QByteArray text = QByteArray::number(line) + "\tB\tcmdStart_Click\n";
        socket.write(text);
        socket.flush();
        sent += text;
    }
    QByteArray received;
    runUntil([&] {
        received += reader->readAll();
        return received.size() >= sent.size();
    });
    EXPECT_EQ(received.size(), sent.size());
    EXPECT_TRUE(received == sent);
}

TEST_F(TraceSocketTest, AReaderThatHasGoneEndsTheTraceQuietly)
{
    rt::TraceSocket socket;
    socket.connectToServer(server.fullServerName());
    ASSERT_TRUE(socket.waitForConnected());
    delete accepted();
    for (int i = 0; i < 1000; ++i) {  // would end the process on a broken pipe
        socket.write(QByteArray(1000, 'x'));
        socket.flush();
    }
    socket.disconnectFromServer();
    SUCCEED();
}

TEST_F(TraceSocketTest, TheWatchersLinesArriveWholeAndItsGoingIsToldOnce)
{
    rt::TraceSocket socket;
    QList<QByteArray> lines;
    int gone = 0;
    socket.onLine([&](const QByteArray& line) { lines << line; });
    socket.onDisconnected([&] { ++gone; });
    socket.connectToServer(server.serverName());
    ASSERT_TRUE(socket.waitForConnected());
    QLocalSocket* watcher = accepted();
    ASSERT_NE(watcher, nullptr);

    // Something written is sent once the event loop runs, without a flush.
    socket.write("H\t0\t2\tCalc\n");
    QByteArray received;
    runUntil([&] {
        received += watcher->readAll();
        return received.endsWith('\n');
    });
    EXPECT_EQ(received, "H\t0\t2\tCalc\n");

    // A command split across two writes is one line.
    watcher->write("S\t");
    watcher->flush();
    runFor(100);
    EXPECT_TRUE(lines.isEmpty());
    watcher->write("1\nN\n");
    watcher->flush();
    runUntil([&] { return lines.size() == 2; });
    EXPECT_EQ(lines, (QList<QByteArray>{"S\t1", "N"}));

    watcher->disconnectFromServer();
    runUntil([&] { return gone > 0; });
    socket.write("after\n");  // goes nowhere, harms nothing
    socket.flush();
    runFor(100);
    EXPECT_EQ(gone, 1);
    delete watcher;
}

TEST_F(TraceSocketTest, NothingListeningIsNoConnection)
{
    rt::TraceSocket socket;
    socket.connectToServer(
        QStringLiteral("rt-trace-socket-test-nobody-%1").arg(QCoreApplication::applicationPid()));
    EXPECT_FALSE(socket.waitForConnected());
    socket.write("lost\n");  // goes nowhere, harms nothing
    socket.flush();
    const QTemporaryDir folder;
    socket.connectToServer(folder.filePath(QString(200, QLatin1Char('n'))));
    EXPECT_FALSE(socket.waitForConnected()) << "a path too long for a socket";
}

}  // namespace
