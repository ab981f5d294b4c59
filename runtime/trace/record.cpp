#include "trace/record.h"

namespace rt {

namespace {

QString escaped(const QString& field)
{
    QString out;
    out.reserve(field.size());
    for (const QChar c : field) {
        switch (c.unicode()) {
            case '\\': out += QStringLiteral("\\\\"); break;
            case '\t': out += QStringLiteral("\\t"); break;
            case '\n': out += QStringLiteral("\\n"); break;
            case '\r': out += QStringLiteral("\\r"); break;
            default: out += c;
        }
    }
    return out;
}

QString unescaped(const QString& field)
{
    if (!field.contains(u'\\')) return field;
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != u'\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        switch (field[++i].unicode()) {
            case 't': out += u'\t'; break;
            case 'n': out += u'\n'; break;
            case 'r': out += u'\r'; break;
            default: out += field[i];
        }
    }
    return out;
}

bool knownType(char type)
{
    return QByteArrayView("HBEAMRXWCVD").contains(type);
}

}  // namespace

QByteArray encode(const Record& record)
{
    QString line = QChar::fromLatin1(char(record.type)) + u'\t' + QString::number(record.depth);
    for (const QString& field : record.fields) line += u'\t' + escaped(field);
    line += u'\n';
    return line.toUtf8();
}

std::optional<Record> decode(QByteArrayView line)
{
    const QStringList parts = QString::fromUtf8(line).split(u'\t');
    if (parts.size() < 2 || parts[0].size() != 1 || !knownType(parts[0][0].toLatin1())) return {};
    bool ok = false;
    const int depth = parts[1].toInt(&ok);
    if (!ok || depth < 0) return {};
    Record record{RecordType(parts[0][0].toLatin1()), depth, {}};
    for (qsizetype i = 2; i < parts.size(); ++i) record.fields << unescaped(parts[i]);
    return record;
}

QString HandlerName::procedure() const
{
    return formEvent ? QStringLiteral("Form_") + event : subject + u'_' + event;
}

QString HandlerName::call() const
{
    return index >= 0 ? QStringLiteral("%1(%2)").arg(procedure()).arg(index) : procedure();
}

QStringList HandlerName::fields() const
{
    return {form, subject, QString::number(index), event,
            formEvent ? QStringLiteral("1") : QStringLiteral("0")};
}

HandlerName HandlerName::fromFields(const QStringList& fields, int first)
{
    const auto field = [&](int i) { return fields.value(first + i); };
    bool ok = false;
    const int index = field(2).toInt(&ok);
    return {field(0), field(1), ok ? index : -1, field(3), field(4) == QLatin1String("1")};
}

}  // namespace rt
