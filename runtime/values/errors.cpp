#include "values/errors.h"

#include <utility>

namespace rt {

QString errorDescription(int number)
{
    switch (static_cast<ErrorCode>(number)) {
        case ErrorCode::InvalidProcedureCall:
            return QStringLiteral("Invalid procedure call or argument");
        case ErrorCode::Overflow: return QStringLiteral("Overflow");
        case ErrorCode::SubscriptOutOfRange: return QStringLiteral("Subscript out of range");
        case ErrorCode::DivisionByZero: return QStringLiteral("Division by zero");
        case ErrorCode::TypeMismatch: return QStringLiteral("Type mismatch");
        case ErrorCode::BadFileNameOrNumber: return QStringLiteral("Bad file name or number");
        case ErrorCode::FileNotFound: return QStringLiteral("File not found");
        case ErrorCode::BadFileMode: return QStringLiteral("Bad file mode");
        case ErrorCode::FileAlreadyOpen: return QStringLiteral("File already open");
        case ErrorCode::DeviceIOError: return QStringLiteral("Device I/O error");
        case ErrorCode::InputPastEndOfFile: return QStringLiteral("Input past end of file");
        case ErrorCode::PermissionDenied: return QStringLiteral("Permission denied");
        case ErrorCode::PathFileAccessError: return QStringLiteral("Path/File access error");
        case ErrorCode::PathNotFound: return QStringLiteral("Path not found");
        case ErrorCode::ControlArrayElementMissing:
            return QStringLiteral("Control array element does not exist");
        case ErrorCode::InvalidPropertyValue: return QStringLiteral("Invalid property value");
    }
    // Numbers the runtime does not raise itself (a program's own errors).
    return QStringLiteral("Application-defined error %1").arg(number);
}

namespace {
std::string whatText(int number, const QString& description)
{
    return QStringLiteral("Runtime error %1: %2").arg(number).arg(description).toStdString();
}
}  // namespace

RuntimeError::RuntimeError(ErrorCode code, QString detail)
    : m_number(static_cast<int>(code)), m_description(errorDescription(m_number))
{
    if (!detail.isEmpty()) m_description += QStringLiteral(": ") + detail;
    m_what = whatText(m_number, m_description);
}

RuntimeError::RuntimeError(int number, QString description)
    : m_number(number), m_description(std::move(description))
{
    if (m_description.isEmpty()) m_description = errorDescription(number);
    m_what = whatText(m_number, m_description);
}

void raise(ErrorCode code, const QString& detail)
{
    throw RuntimeError(code, detail);
}

}  // namespace rt
