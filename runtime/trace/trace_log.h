#pragma once

#include "trace/record.h"

#include <QAbstractListModel>

#include <deque>
#include <map>
#include <optional>
#include <vector>

namespace rt {

// The event trace as a learner reads it, one entry a line, indented by
// depth: each handler; under it what it assigned, as code writes it
// (cmdStart.Caption = "Stop"); under an assignment the handler it set off;
// message boxes with their answers; runtime errors with the handler they
// stopped. Consecutive ticks of one timer that do the same thing fold into
// one entry that counts them and shows the values of the last; anything else
// between two ticks starts a new entry. Records of several programs may come
// in, each program under a source number of its own. Keeps the last
// `capacity` entries.
class TraceLog : public QAbstractListModel {
    Q_OBJECT
public:
    enum class Kind { Handler, Assignment, MessageBox, Error, Waiting, Note };
    enum Role {
        KindRole = Qt::UserRole + 1,
        DepthRole,
        SourceRole,
        ProgramRole,
        FormRole,
        ProcedureRole,  // the handler's procedure an entry belongs to ("cmdStart_Click")
    };

    explicit TraceLog(int capacity = 5000, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void programStarted(int source, const QString& program);
    void add(int source, const Record& record);
    void programEnded(int source);

    // Leaves timer ticks out, with all they run, unless one shows a message
    // box or fails.
    void setHideTicks(bool hide);
    // While paused nothing new is shown, except events that wait to run.
    void setPaused(bool paused);
    void clear();

    // A row as shown: indented by depth, one line.
    QString line(int row) const;
    // Every row, each ending in a line feed.
    QString text() const;
    // Rows that no longer change: those before the last top-level entry and
    // before anything still waiting.
    int settledRows() const;
    // How many rows were dropped from the front to keep within capacity.
    qint64 droppedRows() const { return m_dropped; }

private:
    struct Entry {
        Kind kind = Kind::Note;
        int depth = 0;
        QString code;    // as code reads: a handler's name, an assignment
        QString target;  // an assignment's left side: what a fold compares
        QString note;    // plain words after the code
        int count = 1;   // ticks folded into a handler entry
        int source = -1;
        QString program;
        QString form;
        QString procedure;
    };
    struct Open {
        int depth;
        QString form;
        QString procedure;
    };
    enum class Block { None, Live, Tick, HiddenTick };
    struct Source {
        QString program;
        std::vector<Open> open;
        Block block = Block::None;
        QString tick;                // the tick being received
        std::vector<Entry> pending;  // its entries, shown once it has ended
        qint64 waiting = -1;         // the row of its waiting event, counted from the start
        HandlerName waitingHandler;
        qint64 message = -1;  // the row of its open message box
    };
    // The last block of rows shown, when it is a tick that may fold.
    struct LastTick {
        int source = -1;
        qint64 first = -1;
        QString tick;
        QString shape;
    };

    QString shown(const Entry& entry) const;
    void appendNote(int source, const QString& program, const QString& note);
    Entry entryFor(const Source& source, int sourceId, Kind kind, int depth) const;
    void begin(Source& source, int sourceId, const Record& record);
    void end(Source& source, int sourceId, int depth);
    void showWaiting(Source& source, int sourceId);
    void finishBlock(Source& source, int sourceId);
    void foldOrAppend(Source& source, int sourceId);
    void showPending(Source& source);
    void put(Source& source, Entry entry);
    void append(Entry entry, bool breaksFold = true);
    void dropRow(qint64 row);
    void changed(qint64 row);
    Entry* at(qint64 row);
    qint64 endRow() const { return m_dropped + qint64(m_entries.size()); }
    void keepWithinCapacity();

    int m_capacity;
    std::deque<Entry> m_entries;
    qint64 m_dropped = 0;
    std::map<int, Source> m_sources;
    std::optional<LastTick> m_lastTick;
    bool m_hideTicks = false;
    bool m_paused = false;
};

}  // namespace rt
