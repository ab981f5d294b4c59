#include "forms/controls/soft_breaks.h"

#include <algorithm>

namespace rt {

namespace {

bool breaksLine(QChar c)
{
    return c == QLatin1Char('\r') || c == QChar::ParagraphSeparator || c.unicode() == 0xFDD0 ||
           c.unicode() == 0xFDD1;
}

}  // namespace

QString withLineFeeds(QString text)
{
    if (std::none_of(text.cbegin(), text.cend(), breaksLine)) return text;
    QString fed;
    fed.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            continue;  // the LF that follows stands for both
        fed += breaksLine(c) ? QChar(QLatin1Char('\n')) : c;
    }
    return fed;
}

qsizetype longestLine(QStringView text)
{
    qsizetype longest = 0;
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0) end = text.size();
        longest = std::max(longest, end - start);
        start = end + 1;
    }
    return longest;
}

namespace {

// The end of the piece that starts at `start`: after the last space in its
// second half, else after the last punctuation that closes something there,
// else at its full length.
qsizetype pieceEnd(QStringView line, qsizetype start)
{
    const qsizetype end = start + pieceLength;
    const auto lastAfter = [&](QLatin1String ends) -> qsizetype {
        for (qsizetype i = end - 1; i > start + pieceLength / 2; --i)
            if (ends.contains(line[i])) return i + 1;
        return -1;
    };
    for (const QLatin1String ends : {QLatin1String(" \t"), QLatin1String(",;)]}>")})
        if (const qsizetype cut = lastAfter(ends); cut > 0) return cut;
    return end;
}

}  // namespace

std::vector<qsizetype> pieceBreaks(QStringView line)
{
    std::vector<qsizetype> breaks;
    if (line.size() <= longLine) return breaks;
    for (qsizetype start = 0; line.size() - start > pieceLength;) {
        qsizetype cut = pieceEnd(line, start);
        if (line[cut - 1].isHighSurrogate() && line[cut].isLowSurrogate()) --cut;
        breaks.push_back(cut);
        start = cut;
    }
    return breaks;
}

QString SoftBreaks::show(QStringView text)
{
    m_shown.clear();
    if (longestLine(text) <= longLine) return text.toString();
    QString shown;
    shown.reserve(text.size() + text.size() / (pieceLength / 2) + 1);
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0) end = text.size();
        const QStringView line = text.mid(start, end - start);
        qsizetype copied = 0;
        for (const qsizetype cut : pieceBreaks(line)) {
            shown += line.mid(copied, cut - copied);
            m_shown.push_back(shown.size());
            shown += QChar::ParagraphSeparator;
            copied = cut;
        }
        shown += line.mid(copied);
        if (end < text.size()) shown += QLatin1Char('\n');
        start = end + 1;
    }
    return shown;
}

bool SoftBreaks::isBreakAt(qsizetype shown) const
{
    return std::binary_search(m_shown.begin(), m_shown.end(), shown);
}

qsizetype SoftBreaks::toText(qsizetype shown) const
{
    return shown - (std::lower_bound(m_shown.begin(), m_shown.end(), shown) - m_shown.begin());
}

qsizetype SoftBreaks::toShown(qsizetype text, bool beforeBreak) const
{
    // The i-th break stands at text position m_shown[i] - i, which never
    // decreases with i: count the breaks standing before `text`.
    qsizetype low = 0, high = size();
    while (low < high) {
        const qsizetype middle = (low + high) / 2;
        const qsizetype at = m_shown[size_t(middle)] - middle;
        if (at < text || (at == text && !beforeBreak)) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return text + low;
}

void SoftBreaks::replace(qsizetype at, qsizetype removed, qsizetype added,
                         const std::vector<qsizetype>& breaks)
{
    auto first = std::lower_bound(m_shown.begin(), m_shown.end(), at);
    auto last = std::lower_bound(first, m_shown.end(), at + removed);
    for (auto after = last; after != m_shown.end(); ++after) *after += added - removed;
    first = m_shown.erase(first, last);
    std::vector<qsizetype> inserted(breaks.size());
    std::transform(breaks.begin(), breaks.end(), inserted.begin(),
                   [at](qsizetype offset) { return at + offset; });
    m_shown.insert(first, inserted.begin(), inserted.end());
}

}  // namespace rt
