#include "trace_view.h"

#include "trace_style.h"

#include "trace/record.h"
#include "trace/trace_log.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QShortcut>
#include <QUuid>
#include <QVBoxLayout>

using rt::Record;
using rt::RecordType;

TraceView::TraceView(QWidget* parent) : QWidget(parent)
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->listen(QStringLiteral("formprograms-trace-%1-%2")
                         .arg(QCoreApplication::applicationPid())
                         .arg(QUuid::createUuid().toString(QUuid::Id128).left(8)));
    connect(m_server, &QLocalServer::newConnection, this, &TraceView::accept);

    m_log = new rt::TraceLog(5000, this);
    m_list = new QListView;
    m_list->setObjectName("trace");
    m_list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_list->setModel(new TraceStyle(m_log, m_list->font(), this));
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setAccessibleName(tr("Event trace"));
    m_list->setAccessibleDescription(
        tr("Each handler with what it assigned; Enter shows the handler's source"));
    auto* label = new QLabel(tr("Event &trace of the programs started here:"));
    label->setBuddy(m_list);
    connect(m_list, &QListView::activated, this, [this](const QModelIndex& index) {
        const QString procedure = index.data(rt::TraceLog::ProcedureRole).toString();
        if (procedure.isEmpty()) return;
        emit handlerActivated(index.data(rt::TraceLog::ProgramRole).toString(),
                              index.data(rt::TraceLog::FormRole).toString(), procedure);
    });
    auto* copySelected = new QAction(m_list);
    copySelected->setShortcut(QKeySequence::Copy);
    copySelected->setShortcutContext(Qt::WidgetShortcut);
    m_list->addAction(copySelected);
    connect(copySelected, &QAction::triggered, this,
            [this] { QApplication::clipboard()->setText(shownText(true)); });
    // The view follows the newest entry unless the reader has scrolled away from it.
    connect(m_log, &QAbstractItemModel::rowsAboutToBeInserted, this, [this] {
        const QScrollBar* bar = m_list->verticalScrollBar();
        m_following = bar->value() >= bar->maximum();
    });
    connect(m_log, &QAbstractItemModel::rowsInserted, this, &TraceView::followEnd);

    m_stopBeforeEach = new QCheckBox(tr("Stop &before each event"));
    m_stopBeforeEach->setToolTip(
        tr("Each click, key, change or timer tick waits in the program until “Next event”; "
           "what you do in the program meanwhile, closing its window too, waits its turn"));
    m_next = new QPushButton(tr("&Next event (F10)"));
    m_next->setToolTip(tr("Runs the waiting event's handler with all it sets off"));
    m_next->setEnabled(false);
    auto* nextKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    nextKey->setContext(Qt::WindowShortcut);
    connect(nextKey, &QShortcut::activated, this, &TraceView::runNextEvent);
    connect(m_next, &QPushButton::clicked, this, &TraceView::runNextEvent);
    connect(m_stopBeforeEach, &QCheckBox::toggled, this, [this](bool on) {
        sendToAll(on ? "S\t1\n" : "S\t0\n");
        if (!on)
            for (const auto& [source, connection] : m_connections) stopWaiting(source);
    });

    m_pause = new QCheckBox(tr("P&ause"));
    connect(m_pause, &QCheckBox::toggled, m_log, &rt::TraceLog::setPaused);
    m_hideTicks = new QCheckBox(tr("&Hide timer ticks"));
    connect(m_hideTicks, &QCheckBox::toggled, m_log, &rt::TraceLog::setHideTicks);
    m_copy = new QPushButton(tr("&Copy"));
    m_copy->setToolTip(tr("Copies the whole trace as text"));
    connect(m_copy, &QPushButton::clicked, this, &TraceView::copyShown);
    m_save = new QPushButton(tr("&Save…"));
    m_save->setToolTip(tr("Saves the trace as a text file"));
    connect(m_save, &QPushButton::clicked, this, &TraceView::saveShown);
    m_clear = new QPushButton(tr("C&lear"));
    connect(m_clear, &QPushButton::clicked, m_log, &rt::TraceLog::clear);

    auto* stepping = new QHBoxLayout;
    stepping->addWidget(m_stopBeforeEach);
    stepping->addWidget(m_next);
    stepping->addStretch();
    auto* controls = new QHBoxLayout;
    controls->addWidget(m_pause);
    controls->addWidget(m_hideTicks);
    controls->addStretch();
    controls->addWidget(m_copy);
    controls->addWidget(m_save);
    controls->addWidget(m_clear);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    layout->addLayout(stepping);
    layout->addLayout(controls);

    setTabOrder(m_list, m_stopBeforeEach);
    setTabOrder(m_stopBeforeEach, m_next);
    setTabOrder(m_next, m_pause);
    setTabOrder(m_pause, m_hideTicks);
    setTabOrder(m_hideTicks, m_copy);
    setTabOrder(m_copy, m_save);
    setTabOrder(m_save, m_clear);
}

// The programs' sockets go with the server, after this view's own members:
// they tell nothing more.
TraceView::~TraceView()
{
    for (const auto& [source, connection] : m_connections)
        if (connection.socket) connection.socket->disconnect(this);
}

QString TraceView::socketName() const
{
    return m_server->fullServerName();
}

void TraceView::accept()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        const int source = m_nextSource++;
        m_connections[source].socket = socket;
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, source] {
            while (socket->canReadLine()) addLine(source, socket->readLine().chopped(1));
        });
        connect(socket, &QLocalSocket::disconnected, this, [this, source] { gone(source); });
    }
}

void TraceView::addLine(int source, const QByteArray& line)
{
    const std::optional<Record> record = rt::decode(line);
    if (!record) return;
    Connection& connection = m_connections[source];
    if (record->type == RecordType::Hello) {
        // A program of another build speaks another trace: nothing of it is shown.
        if (record->fields.value(0).toInt() != rt::kTraceVersion) return;
        connection.greeted = true;
        connection.program = record->fields.value(1);
        m_log->programStarted(source, connection.program);
        if (m_stopBeforeEach->isChecked()) send(source, "S\t1\n");
        return;
    }
    if (connection.greeted) take(source, *record);
}

void TraceView::take(int source, const Record& record)
{
    Connection& connection = m_connections[source];
    const QString& program = connection.program;
    const QStringList& f = record.fields;
    switch (record.type) {
        case RecordType::Variable:
            emit variableChanged(source, program, f.value(0), f.value(1), f.value(2), f.value(3));
            return;
        case RecordType::WindowGone: emit windowGone(source, f.value(0)); return;
        case RecordType::Waiting: {
            m_log->add(source, record);
            connection.waiting = rt::HandlerName::fromFields(f, 0);
            if (!m_waiting.contains(source)) m_waiting << source;
            m_next->setEnabled(true);
            emit eventWaiting(program, connection.waiting->form, connection.waiting->procedure());
            return;
        }
        case RecordType::Dropped: stopWaiting(source); break;
        case RecordType::Begin:
            // Other events may run while one waits; the one that waited runs now.
            if (record.depth == 0 && connection.waiting &&
                *connection.waiting == rt::HandlerName::fromFields(f, 0))
                stopWaiting(source);
            break;
        case RecordType::End:
            if (record.depth == 0) emit eventEnded(source);
            break;
        default: break;
    }
    m_log->add(source, record);
}

void TraceView::send(int source, const QByteArray& command)
{
    const auto found = m_connections.find(source);
    if (found != m_connections.end() && found->second.socket) {
        found->second.socket->write(command);
        found->second.socket->flush();
    }
}

void TraceView::sendToAll(const QByteArray& command)
{
    for (const auto& [source, connection] : m_connections) send(source, command);
}

void TraceView::runNextEvent()
{
    if (m_waiting.isEmpty()) return;
    const int source = m_waiting.takeFirst();
    m_next->setEnabled(!m_waiting.isEmpty());
    send(source, "N\n");
}

void TraceView::stopWaiting(int source)
{
    if (const auto found = m_connections.find(source); found != m_connections.end())
        found->second.waiting.reset();
    m_waiting.removeAll(source);
    m_next->setEnabled(!m_waiting.isEmpty());
}

void TraceView::gone(int source)
{
    const auto found = m_connections.find(source);
    if (found == m_connections.end()) return;
    if (found->second.greeted) m_log->programEnded(source);
    found->second.socket->deleteLater();
    m_connections.erase(found);
    stopWaiting(source);
    emit programGone(source);
}

QString TraceView::shownText(bool selectedOnly) const
{
    QModelIndexList rows =
        selectedOnly ? m_list->selectionModel()->selectedRows() : QModelIndexList();
    if (rows.isEmpty()) return m_log->text();
    std::sort(rows.begin(), rows.end());
    QString text;
    for (const QModelIndex& row : rows) text += m_log->line(row.row()) + u'\n';
    return text;
}

void TraceView::copyShown()
{
    QApplication::clipboard()->setText(shownText());
}

bool TraceView::saveTo(const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(shownText().toUtf8());
    return file.commit();
}

void TraceView::saveShown()
{
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save the event trace"), tr("trace.txt"), tr("Text files (*.txt);;All files (*)"));
    if (path.isEmpty() || saveTo(path)) return;
    QMessageBox::warning(this, tr("Save the event trace"),
                         tr("The trace could not be saved in %1.").arg(path));
}

// Scrolls to the newest entry once the new rows are laid out, at most once
// per turn of the event loop however many came.
void TraceView::followEnd()
{
    if (!m_following || m_followQueued) return;
    m_followQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_followQueued = false;
            m_list->scrollToBottom();
        },
        Qt::QueuedConnection);
}
