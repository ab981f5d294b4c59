#include "trace_view.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUuid>
#include <QVBoxLayout>

namespace {

constexpr int kMaximumLines = 5000;

struct TraceLine {
    QChar kind;
    int depth = -1;
    QString text;
};

TraceLine parse(const QString& line)
{
    const QStringList fields = line.split(u'\t');
    if (fields.size() != 3 || fields[0].size() != 1) return {};
    bool ok = false;
    const int depth = fields[1].toInt(&ok);
    if (!ok || depth < 0) return {};
    return {fields[0][0], depth, fields[2]};
}

bool isTick(const TraceLine& line)
{
    return line.text.endsWith(QStringLiteral("_Timer"));
}

}  // namespace

QString traceText(const QString& line)
{
    const TraceLine parsed = parse(line);
    const QString indent(2 * std::max(parsed.depth, 0), u' ');
    if (parsed.kind == u'B') return indent + QObject::tr("start %1").arg(parsed.text);
    if (parsed.kind == u'E') return indent + QObject::tr("end %1").arg(parsed.text);
    if (parsed.kind == u'X') return indent + QObject::tr("run-time error %1").arg(parsed.text);
    return {};
}

TraceView::TraceView(QWidget* parent) : QWidget(parent)
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->listen(QStringLiteral("formprograms-trace-%1-%2")
                         .arg(QCoreApplication::applicationPid())
                         .arg(QUuid::createUuid().toString(QUuid::Id128).left(8)));
    connect(m_server, &QLocalServer::newConnection, this, &TraceView::accept);

    m_text = new QPlainTextEdit;
    m_text->setObjectName("trace");
    m_text->setReadOnly(true);
    m_text->setMaximumBlockCount(kMaximumLines);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setAccessibleName(tr("Event trace"));
    m_text->setTabChangesFocus(true);
    auto* label = new QLabel(tr("Event &trace of the programs started here:"));
    label->setBuddy(m_text);
    m_pause = new QCheckBox(tr("P&ause"));
    m_hideTicks = new QCheckBox(tr("&Hide timer ticks"));
    auto* clear = new QPushButton(tr("C&lear"));
    connect(clear, &QPushButton::clicked, m_text, &QPlainTextEdit::clear);

    auto* controls = new QHBoxLayout;
    controls->addWidget(m_pause);
    controls->addWidget(m_hideTicks);
    controls->addStretch();
    controls->addWidget(clear);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(m_text, 1);
    layout->addLayout(controls);
}

QString TraceView::socketName() const
{
    return m_server->fullServerName();
}

void TraceView::accept()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) addLine(QString::fromUtf8(socket->readLine()).chopped(1));
        });
    }
}

void TraceView::addLine(const QString& line)
{
    const TraceLine parsed = parse(line);
    if (parsed.depth < 0) return;
    // A hidden tick hides everything that runs inside it, up to its own end,
    // except the runtime errors it reports.
    if (m_hiddenTickDepth >= 0 && parsed.kind != u'X') {
        if (parsed.kind == u'E' && parsed.depth == m_hiddenTickDepth) m_hiddenTickDepth = -1;
        return;
    }
    if (m_hideTicks->isChecked() && parsed.kind == u'B' && isTick(parsed)) {
        m_hiddenTickDepth = parsed.depth;
        return;
    }
    if (m_pause->isChecked()) return;
    m_text->appendPlainText(traceText(line));
}
