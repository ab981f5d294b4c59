#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace rt::testing {

// A folder that lives as long as the test, for the files a test reads and writes.
class TempFolder {
public:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString path() const { return m_dir.path(); }
    // The bytes of a file, or "<missing>".
    QByteArray bytesOf(const QString& name) const
    {
        QFile in(path(name));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }
    bool write(const QString& name, const QByteArray& bytes) const
    {
        QFile out(path(name));
        return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
    }

private:
    QTemporaryDir m_dir;
};

}  // namespace rt::testing
