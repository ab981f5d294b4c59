#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace rt {

// The event trace as a program sends it: one record a line, UTF-8, a type
// letter, the nesting depth and the record's fields, separated by tabs
// (a tab, a line break or a backslash inside a field is escaped with a
// backslash). The first record says the version of this format.
//
//   H 0 version program                  the program starts tracing
//   B d form subject index event form?  a handler starts (form? "1" for a
//                                        form's own event: Form_Load)
//   E d                                  the handler at depth d ends
//   A d form subject index property item value
//                                        program code assigns a property; the
//                                        value as code writes it; item: the
//                                        index of an indexed property, or ""
//   M d style prompt                     a message box is shown
//   R d answer                           ... and answered (vbYes, ...)
//   X d number description form handler a runtime error, and the handler it
//                                        stopped
//   W 0 form subject index event form?   stepping: the event waits for "next"
//   C 0                                  the waiting event was dropped
//   V 0 form name type value             a form-level variable's value
//   D 0 form                             a window and its variables are gone
//
// Handlers nest by depth: what a handler does lies one deeper, and so does
// what an assignment sets off (a Change handler under "Value = 5").
//
// The watcher answers with commands, one a line: "S\t1" (hold each new event
// before its handler runs), "S\t0" (run on), "N" (run the waiting event).
enum class RecordType : char {
    Hello = 'H',
    Begin = 'B',
    End = 'E',
    Assignment = 'A',
    Message = 'M',
    Answer = 'R',
    Error = 'X',
    Waiting = 'W',
    Dropped = 'C',
    Variable = 'V',
    WindowGone = 'D',
};

inline constexpr int kTraceVersion = 2;

struct Record {
    RecordType type;
    int depth = 0;
    QStringList fields;
};

// One line, ending in a line feed.
QByteArray encode(const Record& record);
// A line without its line feed; nothing for a line that is no record.
std::optional<Record> decode(QByteArrayView line);

// The handler an event runs, as records name it.
struct HandlerName {
    QString form;
    QString subject;
    int index = -1;
    QString event;
    bool formEvent = false;

    // The procedure code declares: "cmdStart_Click", "Form_Load".
    QString procedure() const;
    // As a call shows it: a control array's index after it ("optMode_Click(1)").
    QString call() const;
    bool isTick() const { return !formEvent && event == QLatin1String("Timer"); }
    bool operator==(const HandlerName&) const = default;

    // Its fields in a record, from `first` on.
    QStringList fields() const;
    static HandlerName fromFields(const QStringList& fields, int first);
};

}  // namespace rt
