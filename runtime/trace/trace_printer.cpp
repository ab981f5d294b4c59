#include "trace/trace_printer.h"

#include "trace/trace_log.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>

namespace rt {

TracePrinter::TracePrinter(const TraceLog& log, FILE* out, bool terminal)
    : m_log(log), m_out(out), m_terminal(terminal)
{
}

void TracePrinter::update()
{
    write(m_log.droppedRows() + m_log.settledRows(), m_terminal);
}

void TracePrinter::finish()
{
    write(m_log.droppedRows() + m_log.rowCount(), false);
}

void TracePrinter::write(qint64 settledEnd, bool withTail)
{
    QByteArray out;
    if (m_tailLines > 0) {
        // Up to the first line of the rows written last time, and clear below.
        out += "\x1b[" + QByteArray::number(m_tailLines) + "F\x1b[J";
        m_tailLines = 0;
    }
    const qint64 first = m_log.droppedRows();
    const qint64 end = first + m_log.rowCount();
    for (qint64 row = std::max(m_written, first); row < settledEnd; ++row)
        out += m_log.line(int(row - first)).toUtf8() + '\n';
    m_written = std::max(m_written, settledEnd);
    if (withTail) {
        for (qint64 row = std::max(m_written, first); row < end; ++row) {
            const QByteArray line = m_log.line(int(row - first)).toUtf8();
            out += line + '\n';
            m_tailLines += terminalLines(line);
        }
    }
    if (out.isEmpty()) return;
    std::fwrite(out.constData(), 1, size_t(out.size()), m_out);
    std::fflush(m_out);
}

// How many lines of the terminal a line takes, long lines wrapping.
int TracePrinter::terminalLines(const QByteArray& line) const
{
    winsize size{};
    const int columns =
        ioctl(fileno(m_out), TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
    const auto characters = QString::fromUtf8(line).size();
    return std::max<int>(1, int((characters + columns - 1) / columns));
}

}  // namespace rt
