#include "values/code_text.h"

#include <QStringList>

#include <algorithm>

namespace rt {

namespace {

// The constant code writes for a control character, or an empty text.
QString controlConstant(QChar c)
{
    switch (c.unicode()) {
        case '\n': return QStringLiteral("vbLf");
        case '\r': return QStringLiteral("vbCr");
        case '\t': return QStringLiteral("vbTab");
        default: return c.unicode() < 32 ? QStringLiteral("Chr(%1)").arg(c.unicode()) : QString();
    }
}

}  // namespace

QString quotedText(const QString& text, qsizetype longest)
{
    QStringList parts;
    QString run;
    bool inRun = false;
    const auto closeRun = [&] {
        if (inRun) parts << u'"' + run + u'"';
        run.clear();
        inRun = false;
    };
    const qsizetype shown = std::min(text.size(), longest);
    for (qsizetype i = 0; i < shown; ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < shown && text[i + 1] == u'\n') {
            closeRun();
            parts << QStringLiteral("vbCrLf");
            ++i;
            continue;
        }
        if (const QString constant = controlConstant(c); !constant.isEmpty()) {
            closeRun();
            parts << constant;
            continue;
        }
        inRun = true;
        run += c == u'"' ? QStringLiteral("\"\"") : QString(c);
    }
    if (shown < text.size()) {
        inRun = true;
        run += QChar(0x2026);
    }
    closeRun();
    return parts.isEmpty() ? QStringLiteral("\"\"") : parts.join(QStringLiteral(" & "));
}

QString codeText(const Variant& value, qsizetype longest)
{
    switch (value.kind()) {
        case Variant::Kind::Empty: return QStringLiteral("Empty");
        case Variant::Kind::String: return quotedText(value.toText(), longest);
        default: return value.toText();
    }
}

QString colourText(int32_t colour)
{
    return QStringLiteral("&H%1&").arg(QString::number(uint32_t(colour), 16).toUpper());
}

QString typeName(Variant::Kind kind)
{
    switch (kind) {
        case Variant::Kind::Empty: return QStringLiteral("Empty");
        case Variant::Kind::Integer: return QStringLiteral("Integer");
        case Variant::Kind::Long: return QStringLiteral("Long");
        case Variant::Kind::Single: return QStringLiteral("Single");
        case Variant::Kind::Double: return QStringLiteral("Double");
        case Variant::Kind::Boolean: return QStringLiteral("Boolean");
        case Variant::Kind::String: return QStringLiteral("String");
    }
    return {};
}

QString variantTypeName(const Variant& value)
{
    return QStringLiteral("Variant (%1)").arg(typeName(value.kind()));
}

}  // namespace rt
