#include "trace/trace_socket.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace rt {

namespace {

// How long closing waits for a reader that has not taken everything yet.
constexpr int closingWaitMs = 2000;

QString socketPath(const QString& name)
{
    return name.startsWith(QLatin1Char('/')) ? name : QDir::tempPath() + QLatin1Char('/') + name;
}

}  // namespace

TraceSocket::~TraceSocket()
{
    close();
}

void TraceSocket::connectToServer(const QString& name)
{
    close();
    const QByteArray path = QFile::encodeName(socketPath(name));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path) return;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_fd < 0) return;
    if (::connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) | O_NONBLOCK) != 0) {
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    m_writable = new QSocketNotifier(qintptr(m_fd), QSocketNotifier::Write, this);
    m_writable->setEnabled(false);
    connect(m_writable, &QSocketNotifier::activated, this, &TraceSocket::flush);
    m_readable = new QSocketNotifier(qintptr(m_fd), QSocketNotifier::Read, this);
    connect(m_readable, &QSocketNotifier::activated, this, &TraceSocket::readAvailable);
}

bool TraceSocket::waitForConnected(int) const
{
    return m_fd >= 0;
}

void TraceSocket::write(const QByteArray& bytes)
{
    if (m_fd < 0) return;
    m_pending += bytes;
    // Sent as soon as the event loop runs, if nobody flushes sooner.
    m_writable->setEnabled(true);
}

void TraceSocket::flush()
{
    while (m_fd >= 0 && !m_pending.isEmpty()) {
        // No SIGPIPE when the reader has gone: the trace just ends.
        const ssize_t sent =
            ::send(m_fd, m_pending.constData(), size_t(m_pending.size()), MSG_NOSIGNAL);
        if (sent > 0) {
            m_pending.remove(0, qsizetype(sent));
        } else if (sent < 0 && errno == EINTR) {
            continue;
        } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            break;
        } else {
            close();
        }
    }
    if (m_writable) m_writable->setEnabled(!m_pending.isEmpty());
}

void TraceSocket::disconnectFromServer()
{
    flush();
    pollfd writable{m_fd, POLLOUT, 0};
    while (m_fd >= 0 && !m_pending.isEmpty() && ::poll(&writable, 1, closingWaitMs) > 0) flush();
    close();
}

void TraceSocket::readAvailable()
{
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (got > 0) {
            m_received.append(buffer, qsizetype(got));
            continue;
        }
        if (got < 0 && errno == EINTR) continue;
        const bool gone = got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
        // Lines first: the handler may close the connection or delete this.
        qsizetype end;
        while (m_fd >= 0 && (end = m_received.indexOf('\n')) >= 0) {
            const QByteArray line = m_received.left(end);
            m_received.remove(0, end + 1);
            if (m_onLine) m_onLine(line);
        }
        if (gone && m_fd >= 0) {
            close();
            if (m_onDisconnected) m_onDisconnected();
        }
        return;
    }
}

void TraceSocket::close()
{
    // Closing may come from a notifier's own signal.
    for (QSocketNotifier** notifier : {&m_writable, &m_readable}) {
        if (!*notifier) continue;
        (*notifier)->setEnabled(false);
        (*notifier)->deleteLater();
        *notifier = nullptr;
    }
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    m_pending.clear();
    m_received.clear();
}

}  // namespace rt
