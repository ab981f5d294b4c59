#pragma once

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QSet>

// Pictures of the programs' windows. Each is made once, the first time it is
// asked for, by starting the program headless with RT_SNAPSHOT naming the file
// to save its start-up window in; the file is kept in a cache folder and made
// again when the program is newer. Pictures are made at `scale` device pixels
// per pixel, so that they are sharp on the gallery's screen.
class Thumbnails : public QObject {
    Q_OBJECT
public:
    Thumbnails(QString programDir, QString cacheDir, qreal scale = 1, QObject* parent = nullptr);

    // The picture, or a null pixmap while it is being made (ready() follows)
    // or when the program could not show its window.
    QPixmap picture(const QString& program);
    bool failed(const QString& program) const { return m_failed.contains(program); }

signals:
    void ready(const QString& program);

private:
    QString cacheFile(const QString& program) const;
    QPixmap load(const QString& program) const;
    void make(const QString& program);

    QString m_programDir;
    QString m_cacheDir;
    qreal m_scale;
    QHash<QString, QPixmap> m_pictures;
    QSet<QString> m_making;
    QSet<QString> m_failed;
};
