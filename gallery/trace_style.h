#pragma once

#include <QFont>
#include <QIdentityProxyModel>

// How the trace's entries look: handlers in bold, errors in red, a waiting
// event marked, the gallery's own notes in grey.
class TraceStyle : public QIdentityProxyModel {
public:
    // `font`: the view's own, which bold and italic entries keep.
    TraceStyle(QAbstractItemModel* log, const QFont& font, QObject* parent);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QFont m_font;
};
