#pragma once

// A multi-line text box shows a very long line in pieces, each a paragraph of
// its own in the editor's document: the toolkit lays out a paragraph whole,
// at a cost that grows with the square of its length where it has no spaces,
// so that one line of a few megabytes would freeze the window. The breaks
// between the pieces ("soft breaks") exist only in what is shown; the text,
// its positions and everything read or saved are the text's own. Qt Core only.

#include <QString>

#include <vector>

namespace rt {

// A line longer than this is shown in pieces of about pieceLength characters.
constexpr qsizetype longLine = 8192;
constexpr qsizetype pieceLength = 4096;

// What a text box's document makes of `text`: CR LF, CR, U+2029, U+FDD0 and
// U+FDD1 each become one LF, the only line end the text box holds.
QString withLineFeeds(QString text);

// The length of the longest line of `text` (lines end at LF).
qsizetype longestLine(QStringView text);

// Where to break a line of `line.size()` characters into pieces: offsets
// into the line, ascending, none at either end. Each piece ends after a space
// near its end where there is one, and never between the halves of a
// surrogate pair. Empty for a line of at most longLine characters.
std::vector<qsizetype> pieceBreaks(QStringView line);

// Positions of the soft breaks in the shown document, and the translation of
// positions between the text and the shown document, where each soft break
// is one character (a paragraph separator) that the text does not have.
class SoftBreaks {
public:
    bool empty() const { return m_shown.empty(); }
    qsizetype size() const { return qsizetype(m_shown.size()); }
    const std::vector<qsizetype>& positions() const { return m_shown; }

    // `text` as shown: each soft break is a U+2029 (the text's own line ends
    // stay LF); the breaks found are the only ones kept.
    QString show(QStringView text);

    bool isBreakAt(qsizetype shown) const;
    // The text position of a shown position.
    qsizetype toText(qsizetype shown) const;
    // The shown position of a text position; where a soft break stands at
    // that place, the position after it, or before it when `beforeBreak`.
    qsizetype toShown(qsizetype text, bool beforeBreak = false) const;

    // The shown document changed: `removed` characters at `at` gave way to
    // `added` ones, among which the soft breaks at the offsets `breaks`.
    void replace(qsizetype at, qsizetype removed, qsizetype added,
                 const std::vector<qsizetype>& breaks = {});

private:
    std::vector<qsizetype> m_shown;  // ascending shown positions
};

}  // namespace rt
