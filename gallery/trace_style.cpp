#include "trace_style.h"

#include "trace/trace_log.h"

#include <QBrush>

using Kind = rt::TraceLog::Kind;

TraceStyle::TraceStyle(QAbstractItemModel* log, const QFont& font, QObject* parent)
    : QIdentityProxyModel(parent), m_font(font)
{
    setSourceModel(log);
}

QVariant TraceStyle::data(const QModelIndex& index, int role) const
{
    if (role != Qt::FontRole && role != Qt::ForegroundRole && role != Qt::BackgroundRole)
        return QIdentityProxyModel::data(index, role);
    const auto kind = Kind(QIdentityProxyModel::data(index, rt::TraceLog::KindRole).toInt());
    switch (role) {
        case Qt::FontRole: {
            if (kind != Kind::Handler && kind != Kind::Waiting && kind != Kind::Note) return {};
            QFont font = m_font;
            font.setBold(kind != Kind::Note);
            font.setItalic(kind == Kind::Note);
            return font;
        }
        case Qt::ForegroundRole:
            if (kind == Kind::Error) return QBrush(QColor(0xb0, 0x00, 0x20));
            if (kind == Kind::Note) return QBrush(QColor(0x60, 0x60, 0x60));
            return {};
        default:
            if (kind == Kind::Waiting) return QBrush(QColor(0xff, 0xf0, 0xa8));
            return {};
    }
}
