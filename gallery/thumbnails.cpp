#include "thumbnails.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace {
constexpr int kMakingTimeoutMs = 15000;
}

Thumbnails::Thumbnails(QString programDir, QString cacheDir, qreal scale, QObject* parent)
    : QObject(parent),
      m_programDir(std::move(programDir)),
      m_cacheDir(std::move(cacheDir)),
      m_scale(scale)
{
}

QString Thumbnails::cacheFile(const QString& program) const
{
    const QString suffix = m_scale == 1 ? QString() : QStringLiteral("@%1x").arg(m_scale);
    return QDir(m_cacheDir).filePath(program + suffix + QStringLiteral(".png"));
}

QPixmap Thumbnails::load(const QString& program) const
{
    QPixmap picture(cacheFile(program));
    picture.setDevicePixelRatio(m_scale);
    return picture;
}

QPixmap Thumbnails::picture(const QString& program)
{
    if (auto found = m_pictures.constFind(program); found != m_pictures.constEnd()) return *found;
    if (m_failed.contains(program) || m_making.contains(program)) return {};
    const QFileInfo cached(cacheFile(program));
    const QFileInfo executable(QDir(m_programDir).filePath(program));
    if (cached.exists() && cached.lastModified() >= executable.lastModified()) {
        const QPixmap picture = load(program);
        if (!picture.isNull()) return m_pictures[program] = picture;
    }
    make(program);
    return {};
}

void Thumbnails::make(const QString& program)
{
    QDir().mkpath(m_cacheDir);
    QFile::remove(cacheFile(program));
    m_making.insert(program);
    auto* process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("RT_SNAPSHOT"), cacheFile(program));
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(m_scale));
    environment.remove(QStringLiteral("RT_TRACE"));
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardOutputFile(QProcess::nullDevice());

    auto finish = [this, process, program] {
        if (!m_making.remove(program)) return;
        process->kill();
        process->deleteLater();
        const QPixmap picture = load(program);
        if (picture.isNull())
            m_failed.insert(program);
        else
            m_pictures[program] = picture;
        emit ready(program);
    };
    connect(process, &QProcess::finished, this, finish);
    connect(process, &QProcess::errorOccurred, this, finish);
    // A program that waits for an answer before showing its window is given up.
    QTimer::singleShot(kMakingTimeoutMs, process, finish);
    process->start(QDir(m_programDir).filePath(program), {});
}
