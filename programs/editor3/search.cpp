#include "search.h"

#include "forms/runtime.h"

namespace editor3 {

namespace {

const QString notFound = QStringLiteral("La selección no ha sido encontrada");

rt::Long searchFrom(const rt::TextBox& box, const SearchState& search)
{
    return rt::InStr(search.startPos.toLong(), box.Text(), search.findText, search.compareMode);
}

void selectMatch(rt::TextBox& box, const SearchState& search)
{
    box.setSelStart(search.foundPos.toLong() - 1);
    box.setSelLength(rt::Len(search.findText));
}

}  // namespace

bool findNext(rt::TextBox& box, SearchState search, const QString& restartQuestion)
{
    if (search.findText.isEmpty()) {
        search.foundPos = rt::Long(0);
        rt::MsgBox(notFound);
        return true;
    }
    search.foundPos = searchFrom(box, search);
    if (search.foundPos.toLong() == 0 && search.startPos.toLong() == 1) {
        rt::MsgBox(notFound);
        return true;
    }
    search.startPos = search.foundPos.toLong() + 1;
    if (search.foundPos.toLong() >= 1) {
        selectMatch(box, search);
        return true;
    }
    if (rt::MsgBox(restartQuestion, rt::vbYesNo) != rt::vbYes) return false;
    search.startPos = rt::Integer(1);
    search.foundPos = searchFrom(box, search);
    if (search.foundPos.toLong() == 0) {
        // The search text no longer occurs anywhere: stay at the top.
        rt::MsgBox(notFound);
        return true;
    }
    search.startPos = search.foundPos.toLong() + 1;
    selectMatch(box, search);
    return true;
}

ReplacedText replaceEvery(const QString& text, const QString& sought, const QString& replacement,
                          int compareMode)
{
    ReplacedText result;
    rt::Long found = sought.isEmpty() ? rt::Long(0) : rt::InStr(1, text, sought, compareMode);
    if (found == 0) {
        result.text = text;
        return result;
    }
    result.text.reserve(text.size());
    qsizetype copied = 0;  // text before this index is already in the result
    while (found != 0) {
        const qsizetype at = found - 1;
        result.text.append(QStringView(text).mid(copied, at - copied));
        result.lastStart = result.text.size();
        result.text.append(replacement);
        result.count = result.count + 1;
        copied = at + sought.size();
        found = rt::InStr(rt::Long::fromWide(copied + 1), text, sought, compareMode);
    }
    result.text.append(QStringView(text).mid(copied));
    return result;
}

rt::Long replaceAll(rt::TextBox& box, const QString& sought, const QString& replacement,
                    int compareMode)
{
    const ReplacedText done = replaceEvery(box.Text(), sought, replacement, compareMode);
    if (done.count == 0) return 0;
    box.setTextAsOneEdit(done.text);
    box.setSelStart(rt::Long::fromWide(done.lastStart));
    box.setSelLength(rt::Len(replacement));
    return done.count;
}

}  // namespace editor3
