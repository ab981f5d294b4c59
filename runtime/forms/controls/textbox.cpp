#include "forms/controls/textbox.h"

#include "events/handlers.h"
#include "forms/controls/safe_plain_text_edit.h"
#include "forms/core/look.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace rt {

namespace {
QWidget* makeEditor(const ControlSpec& spec, Container* container)
{
    if (spec.props.multiLine) return new SafePlainTextEdit(container->childArea());
    return new QLineEdit(spec.caption, container->childArea());
}
}  // namespace

TextBox::TextBox(Form& form, const ControlSpec& spec, Container* container)
    : Control(form, spec, container, makeEditor(spec, container)),
      m_line(qobject_cast<QLineEdit*>(widget())),
      m_multi(qobject_cast<SafePlainTextEdit*>(widget()))
{
    const Props& p = spec.props;
    if (m_multi) {
        m_multi->setText(spec.caption);
        if (!p.scrollBars) {
            m_multi->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            m_multi->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        }
        m_multi->setTabChangesFocus(true);
        if (p.align == Align::Center || p.align == Align::Right) {
            QTextOption option = m_multi->document()->defaultTextOption();
            option.setAlignment(p.align == Align::Center ? Qt::AlignHCenter : Qt::AlignRight);
            m_multi->document()->setDefaultTextOption(option);
        }
        connect(m_multi, &SafePlainTextEdit::textEdited, this, &TextBox::textEdited);
        m_multi->installEventFilter(this);
    } else {
        if (p.align == Align::Center) m_line->setAlignment(Qt::AlignCenter);
        if (p.align == Align::Right) m_line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        connect(m_line, &QLineEdit::textChanged, this, [this] { textEdited(); });
        m_line->installEventFilter(this);
    }
    showLocked(p.locked);
    m_fontName = p.font ? p.font->name : QStringLiteral("Sans Serif");
}

bool TextBox::Locked() const
{
    return m_multi ? m_multi->isReadOnly() : m_line->isReadOnly();
}

void TextBox::setLocked(bool locked)
{
    const Assignment assignment(subject(), PropertyName::Locked, locked);
    showLocked(locked);
}

void TextBox::showLocked(bool locked)
{
    if (m_multi) {
        m_multi->setReadOnly(locked);
        // Read-only plain text edits stop taking the keyboard focus for selection.
        if (locked)
            m_multi->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                             Qt::TextSelectableByKeyboard);
    } else {
        m_line->setReadOnly(locked);
    }
}

void TextBox::textEdited()
{
    if (!m_settingText) fire(Change);
}

QPlainTextEdit* TextBox::plainTextEdit() const
{
    return m_multi;
}

QString TextBox::Text() const
{
    return m_line ? m_line->text() : m_multi->text();
}

void TextBox::setText(const QString& text)
{
    const Assignment assignment(subject(), PropertyName::Text, text);
    if (text == Text()) return;
    m_settingText = true;
    if (m_line) {
        m_line->setText(text);
    } else {
        m_multi->setText(text);
    }
    m_settingText = false;
    fire(Change);
}

Long TextBox::SelStart() const
{
    if (m_line)
        return m_line->hasSelectedText() ? m_line->selectionStart() : m_line->cursorPosition();
    return Long::fromWide(m_multi->selectionStart());
}

void TextBox::setSelStart(Long start)
{
    const Assignment assignment(subject(), PropertyName::SelStart, start);
    if (start < 0) raise(ErrorCode::InvalidPropertyValue);
    if (m_line) {
        m_line->setCursorPosition(qMin<int>(start, m_line->text().size()));
        return;
    }
    m_multi->select(start, start);
}

Long TextBox::SelLength() const
{
    if (m_line) return m_line->selectedText().size();
    return Long::fromWide(m_multi->selectionEnd() - m_multi->selectionStart());
}

void TextBox::setSelLength(Long length)
{
    const Assignment assignment(subject(), PropertyName::SelLength, length);
    if (length < 0) raise(ErrorCode::InvalidPropertyValue);
    const int start = SelStart();
    if (m_line) {
        m_line->setSelection(start, qMin<int>(length, m_line->text().size() - start));
        return;
    }
    m_multi->select(start, start + qsizetype(length));
}

QString TextBox::SelText() const
{
    return m_line ? m_line->selectedText() : m_multi->selectedText();
}

void TextBox::setSelText(const QString& text)
{
    const Assignment assignment(subject(), PropertyName::SelText, text);
    if (text.isEmpty() && SelLength() == 0) return;
    m_settingText = true;
    if (m_line) {
        m_line->insert(text);
    } else {
        m_multi->replaceSelection(text);
    }
    m_settingText = false;
    fire(Change);
}

QString TextBox::FontName() const
{
    return m_fontName;
}

void TextBox::setFontName(const QString& name)
{
    const Assignment assignment(subject(), PropertyName::FontName, name);
    m_fontName = name;
    QFont font = widget()->font();
    font.setFamily(systemFamily(name));
    font.setStyleHint(name == QLatin1String("Monospace") ? QFont::Monospace : QFont::AnyStyle);
    widget()->setFont(font);
}

Single TextBox::FontSize() const
{
    return Single(widget()->font().pointSizeF());
}

void TextBox::setFontSize(double points)
{
    const Assignment assignment(subject(), PropertyName::FontSize, points);
    if (points <= 0) raise(ErrorCode::InvalidPropertyValue);
    QFont font = widget()->font();
    font.setPointSizeF(points);
    widget()->setFont(font);
}

namespace {
template <typename Setter>
void changeFont(QWidget* widget, Setter set)
{
    QFont font = widget->font();
    set(font);
    widget->setFont(font);
}
}  // namespace

bool TextBox::FontBold() const
{
    return widget()->font().bold();
}
void TextBox::setFontBold(bool on)
{
    const Assignment assignment(subject(), PropertyName::FontBold, on);
    changeFont(widget(), [on](QFont& f) { f.setBold(on); });
}
bool TextBox::FontItalic() const
{
    return widget()->font().italic();
}
void TextBox::setFontItalic(bool on)
{
    const Assignment assignment(subject(), PropertyName::FontItalic, on);
    changeFont(widget(), [on](QFont& f) { f.setItalic(on); });
}
bool TextBox::FontStrikethru() const
{
    return widget()->font().strikeOut();
}
void TextBox::setFontStrikethru(bool on)
{
    const Assignment assignment(subject(), PropertyName::FontStrikethru, on);
    changeFont(widget(), [on](QFont& f) { f.setStrikeOut(on); });
}
bool TextBox::FontUnderline() const
{
    return widget()->font().underline();
}
void TextBox::setFontUnderline(bool on)
{
    const Assignment assignment(subject(), PropertyName::FontUnderline, on);
    changeFont(widget(), [on](QFont& f) { f.setUnderline(on); });
}

void TextBox::setTextAsOneEdit(const QString& text)
{
    const Assignment assignment(subject(), PropertyName::Text, text);
    if (text == Text()) return;
    m_settingText = true;
    if (m_line) {
        m_line->selectAll();
        m_line->insert(text);
    } else {
        m_multi->replaceAll(text);
    }
    m_settingText = false;
    fire(Change);
}

bool TextBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget() && event->type() == QEvent::KeyPress && keyPressed(event)) return true;
    return Control::eventFilter(watched, event);
}

// Returns true when the handler swallowed the key.
bool TextBox::keyPressed(QEvent* event)
{
    auto* key = static_cast<QKeyEvent*>(event);
    if (!KeyPress) return false;
    int code = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        code = 13;
    } else if (key->key() == Qt::Key_Backspace) {
        code = 8;
    } else if (key->key() == Qt::Key_Escape) {
        code = 27;
    } else if (!key->text().isEmpty() && !(key->modifiers() & Qt::ControlModifier)) {
        code = key->text().at(0).unicode();
    } else if ((key->modifiers() & Qt::ControlModifier) && key->key() >= Qt::Key_A &&
               key->key() <= Qt::Key_Z) {
        code = key->key() - Qt::Key_A + 1;
    }
    if (code == 0) return false;
    Integer keyAscii(static_cast<int16_t>(code));
    if (!fire(KeyPress, keyAscii)) return false;
    if (keyAscii == 0) return true;
    if (keyAscii != code && keyAscii >= 32) {
        // The handler replaced the character: type that one instead.
        const OnUsersBehalf user;
        setSelText(QString(QChar(static_cast<ushort>(keyAscii.value()))));
        return true;
    }
    return false;
}

}  // namespace rt
