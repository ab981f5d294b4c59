#pragma once

#include "forms/core/control.h"

class QLineEdit;
class QPlainTextEdit;

namespace rt {

class SafePlainTextEdit;

// A text box, single-line or multi-line. Line ends inside a multi-line text
// box are LF. Change runs on every change of the text, typed or assigned
// (assigning the text it already has runs nothing). KeyPress runs for every
// character key before the key reaches the box (13 for Enter, 8 for
// Backspace); setting the code to 0 swallows the key.
class TextBox : public Control {
    Q_OBJECT
public:
    TextBox(Form& form, const ControlSpec& spec, Container* container);

    bool isMultiLine() const { return m_multi != nullptr; }
    QString Text() const;
    void setText(const QString& text);
    // Selection, in characters from 0. SelStart below 0 raises Invalid
    // property value; positions past the end are taken as the end.
    Long SelStart() const;
    void setSelStart(Long start);
    Long SelLength() const;
    void setSelLength(Long length);
    QString SelText() const;
    // Replaces the selection (or inserts at the caret) with `text`.
    void setSelText(const QString& text);
    // Replaces the whole text as one edit that the user can undo in one step;
    // Change runs once.
    void setTextAsOneEdit(const QString& text);
    // A locked box shows and selects its text but the user cannot edit it;
    // the program still sets Text.
    bool Locked() const;
    void setLocked(bool locked);

    // The font: a layout name ("Monospace") or a face of the system.
    QString FontName() const;
    void setFontName(const QString& name);
    Single FontSize() const;
    void setFontSize(double points);
    bool FontBold() const;
    void setFontBold(bool on);
    bool FontItalic() const;
    void setFontItalic(bool on);
    bool FontStrikethru() const;
    void setFontStrikethru(bool on);
    bool FontUnderline() const;
    void setFontUnderline(bool on);

    Event<> Change{EventName::Change};
    Event<Integer&> KeyPress{EventName::KeyPress};  // the key's character code

    QLineEdit* lineEdit() const { return m_line; }
    QPlainTextEdit* plainTextEdit() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showLocked(bool locked);
    void textEdited();
    bool keyPressed(QEvent* event);

    QLineEdit* m_line;
    SafePlainTextEdit* m_multi;
    bool m_settingText = false;
    QString m_fontName;
};

}  // namespace rt
