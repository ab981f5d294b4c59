#include "trace/trace_log.h"

#include "values/code_text.h"

namespace rt {

namespace {

// The words of a message box's answer (vbOK, vbCancel, vbYes, ...).
QString answerName(int answer)
{
    switch (answer) {
        case 1: return TraceLog::tr("OK");
        case 2: return TraceLog::tr("Cancel");
        case 3: return TraceLog::tr("Abort");
        case 4: return TraceLog::tr("Retry");
        case 5: return TraceLog::tr("Ignore");
        case 6: return TraceLog::tr("Yes");
        case 7: return TraceLog::tr("No");
        default: return QString::number(answer);
    }
}

// What a fold compares of a block: every entry's kind, depth and what it is
// about, leaving out the values assigned.
QString shapeOf(const auto& entries)
{
    QString shape;
    for (const auto& entry : entries)
        shape += QStringLiteral("%1 %2 %3\n")
                     .arg(int(entry.kind))
                     .arg(entry.depth)
                     .arg(entry.target.isEmpty() ? entry.code : entry.target);
    return shape;
}

}  // namespace

TraceLog::TraceLog(int capacity, QObject* parent) : QAbstractListModel(parent), m_capacity(capacity)
{
}

int TraceLog::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QString TraceLog::shown(const Entry& entry) const
{
    QString text = entry.code;
    if (entry.count > 1) text += u' ' + tr("(%n times)", nullptr, entry.count);
    if (!entry.note.isEmpty())
        text += text.isEmpty() ? entry.note : QStringLiteral(" — ") + entry.note;
    return text;
}

QString TraceLog::line(int row) const
{
    const Entry& entry = m_entries[size_t(row)];
    return QString(2 * entry.depth, u' ') + shown(entry);
}

QString TraceLog::text() const
{
    QString all;
    for (int row = 0; row < rowCount(); ++row) all += line(row) + u'\n';
    return all;
}

QVariant TraceLog::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Entry& entry = m_entries[size_t(index.row())];
    switch (role) {
        case Qt::DisplayRole: return line(index.row());
        case Qt::AccessibleTextRole: return shown(entry);
        case Qt::AccessibleDescriptionRole:
            return entry.depth > 0 ? tr("level %1").arg(entry.depth + 1) : QString();
        case KindRole: return int(entry.kind);
        case DepthRole: return entry.depth;
        case SourceRole: return entry.source;
        case ProgramRole: return entry.program;
        case FormRole: return entry.form;
        case ProcedureRole: return entry.procedure;
        default: return {};
    }
}

int TraceLog::settledRows() const
{
    qint64 settled = endRow();
    for (qint64 row = endRow() - 1; row >= m_dropped; --row) {
        if (m_entries[size_t(row - m_dropped)].depth == 0) {
            settled = row;
            break;
        }
    }
    for (const auto& [id, source] : m_sources)
        for (qint64 row : {source.waiting, source.message})
            if (row >= m_dropped) settled = std::min(settled, row);
    return int(settled - m_dropped);
}

void TraceLog::programStarted(int source, const QString& program)
{
    m_sources[source].program = program;
    appendNote(source, program, tr("%1 started").arg(program));
}

void TraceLog::programEnded(int source)
{
    const auto found = m_sources.find(source);
    if (found == m_sources.end()) return;
    Source& ended = found->second;
    finishBlock(ended, source);
    if (Entry* waiting = at(ended.waiting)) {
        waiting->note = tr("not run: the program ended");
        changed(ended.waiting);
    }
    const QString program = ended.program;
    m_sources.erase(found);
    appendNote(source, program, tr("%1 ended").arg(program));
}

void TraceLog::appendNote(int source, const QString& program, const QString& note)
{
    Entry entry;
    entry.kind = Kind::Note;
    entry.note = note;
    entry.source = source;
    entry.program = program;
    append(entry);
}

TraceLog::Entry TraceLog::entryFor(const Source& source, int sourceId, Kind kind, int depth) const
{
    Entry entry;
    entry.kind = kind;
    entry.depth = depth;
    entry.source = sourceId;
    entry.program = source.program;
    if (!source.open.empty()) {
        entry.form = source.open.back().form;
        entry.procedure = source.open.back().procedure;
    }
    return entry;
}

void TraceLog::add(int sourceId, const Record& record)
{
    Source& source = m_sources[sourceId];
    const QStringList& f = record.fields;
    switch (record.type) {
        case RecordType::Begin: begin(source, sourceId, record); return;
        case RecordType::End: end(source, sourceId, record.depth); return;
        case RecordType::Waiting:
            if (source.waiting >= 0) dropRow(source.waiting);
            source.waitingHandler = HandlerName::fromFields(f, 0);
            showWaiting(source, sourceId);
            return;
        case RecordType::Dropped:
            if (Entry* waiting = at(source.waiting)) {
                waiting->note = tr("not run: its window was closed");
                changed(source.waiting);
                m_lastTick.reset();
            }
            source.waiting = -1;
            return;
        default: break;
    }
    if (m_paused) return;
    switch (record.type) {
        case RecordType::Assignment: {
            // form subject index property item value
            QString target = f.value(1);
            if (f.value(2) != QLatin1String("-1")) target += u'(' + f.value(2) + u')';
            if (!source.open.empty() && f.value(0) != source.open.back().form)
                target = f.value(0) + u'.' + target;
            target += u'.' + f.value(3);
            if (!f.value(4).isEmpty()) target += u'(' + f.value(4) + u')';
            Entry entry = entryFor(source, sourceId, Kind::Assignment, record.depth);
            entry.code = target + QStringLiteral(" = ") + f.value(5);
            entry.target = target;
            put(source, entry);
            return;
        }
        case RecordType::Message: {
            showPending(source);
            Entry entry = entryFor(source, sourceId, Kind::MessageBox, record.depth);
            entry.code = QStringLiteral("MsgBox ") + quotedText(f.value(1), 80);
            entry.note = tr("waiting for an answer");
            source.message = endRow();
            append(entry);
            return;
        }
        case RecordType::Answer:
            if (Entry* message = at(source.message)) {
                message->note = tr("answered %1").arg(answerName(f.value(0).toInt()));
                changed(source.message);
            }
            source.message = -1;
            return;
        case RecordType::Error: {
            // number description, then the handler it stopped
            showPending(source);
            const HandlerName stopped = HandlerName::fromFields(f, 2);
            Entry entry = entryFor(source, sourceId, Kind::Error, record.depth);
            entry.note =
                tr("run-time error %1 “%2” stopped %3").arg(f.value(0), f.value(1), stopped.call());
            entry.form = stopped.form;
            entry.procedure = stopped.procedure();
            append(entry);
            return;
        }
        default: return;
    }
}

// A waiting event is the last row until it runs; it does not keep a tick
// that runs after it from folding with the one before.
void TraceLog::showWaiting(Source& source, int sourceId)
{
    const HandlerName& handler = source.waitingHandler;
    Entry entry = entryFor(source, sourceId, Kind::Waiting, 0);
    entry.code = handler.call();
    entry.note = tr("waiting for “Next event”");
    entry.form = handler.form;
    entry.procedure = handler.procedure();
    source.waiting = endRow();
    append(entry, false);
}

void TraceLog::begin(Source& source, int sourceId, const Record& record)
{
    const HandlerName handler = HandlerName::fromFields(record.fields, 0);
    const int depth = record.depth;
    while (!source.open.empty() && source.open.back().depth >= depth) source.open.pop_back();
    source.open.push_back({depth, handler.form, handler.procedure()});
    if (depth == 0) {
        finishBlock(source, sourceId);
        if (source.waiting >= 0 && source.waitingHandler == handler) {
            dropRow(source.waiting);
            source.waiting = -1;
        }
    }
    if (m_paused) return;
    Entry entry = entryFor(source, sourceId, Kind::Handler, depth);
    entry.code = handler.call();
    if (depth > 0) {
        put(source, entry);
        return;
    }
    if (handler.isTick()) {
        source.block = m_hideTicks ? Block::HiddenTick : Block::Tick;
        source.tick = handler.form + u'.' + handler.call();
        source.pending = {entry};
        return;
    }
    source.block = Block::Live;
    append(entry);
}

void TraceLog::end(Source& source, int sourceId, int depth)
{
    while (!source.open.empty() && source.open.back().depth >= depth) source.open.pop_back();
    if (depth == 0) finishBlock(source, sourceId);
}

void TraceLog::finishBlock(Source& source, int sourceId)
{
    if (source.block == Block::Tick) foldOrAppend(source, sourceId);
    source.pending.clear();
    source.block = Block::None;
}

void TraceLog::foldOrAppend(Source& source, int sourceId)
{
    const QString shape = shapeOf(source.pending);
    const auto size = qint64(source.pending.size());
    if (m_lastTick && m_lastTick->source == sourceId && m_lastTick->tick == source.tick &&
        m_lastTick->shape == shape && m_lastTick->first >= m_dropped &&
        m_lastTick->first + size == endRow()) {
        Entry* head = at(m_lastTick->first);
        ++head->count;
        for (qint64 i = 1; i < size; ++i) *at(m_lastTick->first + i) = source.pending[size_t(i)];
        const qint64 first = m_lastTick->first - m_dropped;
        emit dataChanged(index(int(first)), index(int(first + size - 1)));
        return;
    }
    const qint64 first = endRow();
    for (Entry& entry : source.pending) append(std::move(entry));
    m_lastTick = LastTick{sourceId, first, source.tick, shape};
}

// A tick that shows a message box or fails is shown as it runs, and folds
// with nothing.
void TraceLog::showPending(Source& source)
{
    if (source.block != Block::Tick && source.block != Block::HiddenTick) return;
    for (Entry& entry : source.pending) append(std::move(entry));
    source.pending.clear();
    source.block = Block::Live;
}

void TraceLog::put(Source& source, Entry entry)
{
    if (source.block == Block::Tick || source.block == Block::HiddenTick) {
        source.pending.push_back(std::move(entry));
        return;
    }
    append(std::move(entry));
}

void TraceLog::append(Entry entry, bool breaksFold)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_entries.push_back(std::move(entry));
    endInsertRows();
    if (breaksFold) m_lastTick.reset();
    keepWithinCapacity();
}

TraceLog::Entry* TraceLog::at(qint64 row)
{
    if (row < m_dropped || row >= endRow()) return nullptr;
    return &m_entries[size_t(row - m_dropped)];
}

void TraceLog::changed(qint64 row)
{
    if (!at(row)) return;
    const QModelIndex changedIndex = index(int(row - m_dropped));
    emit dataChanged(changedIndex, changedIndex);
}

// Removes one row; the rows kept after it move up by one.
void TraceLog::dropRow(qint64 row)
{
    if (!at(row)) return;
    const int shownRow = int(row - m_dropped);
    beginRemoveRows({}, shownRow, shownRow);
    m_entries.erase(m_entries.begin() + shownRow);
    endRemoveRows();
    const auto follow = [row](qint64& kept) {
        if (kept == row) {
            kept = -1;
        } else if (kept > row) {
            --kept;
        }
    };
    for (auto& [id, source] : m_sources) {
        follow(source.waiting);
        follow(source.message);
    }
    if (m_lastTick) {
        follow(m_lastTick->first);
        if (m_lastTick->first < 0) m_lastTick.reset();
    }
}

void TraceLog::keepWithinCapacity()
{
    // Rows go in bunches, so that the view is not redone at every new row.
    if (rowCount() <= m_capacity + m_capacity / 10) return;
    const int surplus = rowCount() - m_capacity;
    beginRemoveRows({}, 0, surplus - 1);
    m_entries.erase(m_entries.begin(), m_entries.begin() + surplus);
    m_dropped += surplus;
    endRemoveRows();
}

void TraceLog::setHideTicks(bool hide)
{
    m_hideTicks = hide;
}

void TraceLog::setPaused(bool paused)
{
    m_paused = paused;
    m_lastTick.reset();
    for (auto& [id, source] : m_sources) {
        source.pending.clear();
        source.block = Block::None;
    }
}

void TraceLog::clear()
{
    beginResetModel();
    m_entries.clear();
    m_dropped = 0;
    m_lastTick.reset();
    for (auto& [id, source] : m_sources) {
        source.pending.clear();
        source.block = Block::None;
        source.message = -1;
    }
    endResetModel();
    for (auto& [id, source] : m_sources)
        if (source.waiting >= 0) showWaiting(source, id);
}

}  // namespace rt
