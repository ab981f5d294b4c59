#pragma once

#include <QString>

#include <exception>
#include <string>

namespace rt {

// Numbered runtime errors raised by the value rules, the controls and the
// file operations. Handlers do not catch them; the event boundary reports them.
enum class ErrorCode : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
    BadFileNameOrNumber = 52,
    FileNotFound = 53,
    BadFileMode = 54,
    FileAlreadyOpen = 55,
    DeviceIOError = 57,
    InputPastEndOfFile = 62,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
    ControlArrayElementMissing = 340,
    InvalidPropertyValue = 380,
};

// The English description that goes with a number ("Overflow").
QString errorDescription(int number);

class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorCode code, QString detail = {});
    RuntimeError(int number, QString description);

    int number() const { return m_number; }
    // The standard description, followed by the detail when there is one.
    QString description() const { return m_description; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    int m_number;
    QString m_description;
    std::string m_what;
};

[[noreturn]] void raise(ErrorCode code, const QString& detail = {});

}  // namespace rt
