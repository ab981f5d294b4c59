#pragma once

#include "events/interaction.h"
#include "forms/core/control.h"

namespace rt {

// The invisible common dialog: one control serves the open, save, font and
// colour dialogs of its window, and every property keeps its last value
// between uses. A cancelled dialog raises nothing: after a cancelled
// ShowOpen or ShowSave, FileName and FileTitle are empty; after a cancelled
// ShowFont or ShowColor the font and colour properties keep their values.
class CommonDialog : public Control {
    Q_OBJECT
public:
    CommonDialog(Form& form, const ControlSpec& spec, Container* container);

    // Pairs of a description and a pattern, separated by vertical bars.
    QString Filter() const { return m_filter; }
    void setFilter(const QString& filter)
    {
        const Assignment assignment(subject(), PropertyName::Filter, filter);
        m_filter = filter;
    }
    // The pair selected in the list, from 1; the user's choice after a dialog.
    Integer FilterIndex() const { return m_filterIndex; }
    void setFilterIndex(Integer index)
    {
        const Assignment assignment(subject(), PropertyName::FilterIndex, index);
        m_filterIndex = index;
    }
    // Added (after a point) to a name chosen for saving that has no extension.
    QString DefaultExt() const { return m_defaultExt; }
    void setDefaultExt(const QString& ext)
    {
        const Assignment assignment(subject(), PropertyName::DefaultExt, ext);
        m_defaultExt = ext;
    }
    Long Flags() const { return m_flags; }
    void setFlags(Long flags)
    {
        const Assignment assignment(subject(), PropertyName::Flags, flags);
        m_flags = flags;
    }

    // The chosen file's full path and its name without the folder.
    QString FileName() const { return m_fileName; }
    void setFileName(const QString& name)
    {
        const Assignment assignment(subject(), PropertyName::FileName, name);
        m_fileName = name;
    }
    QString FileTitle() const { return m_fileTitle; }

    QString FontName() const { return m_font.name; }
    void setFontName(const QString& name)
    {
        const Assignment assignment(subject(), PropertyName::FontName, name);
        m_font.name = name;
    }
    Single FontSize() const { return Single(m_font.size); }
    void setFontSize(double size)
    {
        const Assignment assignment(subject(), PropertyName::FontSize, size);
        m_font.size = size;
    }
    bool FontBold() const { return m_font.bold; }
    void setFontBold(bool on)
    {
        const Assignment assignment(subject(), PropertyName::FontBold, on);
        m_font.bold = on;
    }
    bool FontItalic() const { return m_font.italic; }
    void setFontItalic(bool on)
    {
        const Assignment assignment(subject(), PropertyName::FontItalic, on);
        m_font.italic = on;
    }
    bool FontStrikethru() const { return m_font.strikethru; }
    void setFontStrikethru(bool on)
    {
        const Assignment assignment(subject(), PropertyName::FontStrikethru, on);
        m_font.strikethru = on;
    }
    bool FontUnderline() const { return m_font.underline; }
    void setFontUnderline(bool on)
    {
        const Assignment assignment(subject(), PropertyName::FontUnderline, on);
        m_font.underline = on;
    }
    // The colour chosen by ShowColor, or the text colour chosen by ShowFont.
    Colour Color() const { return m_font.color; }
    void setColor(Colour colour)
    {
        const Assignment assignment(subject(), PropertyName::Color, colour);
        m_font.color = colour;
    }

    void ShowOpen();
    void ShowSave();
    void ShowFont();
    void ShowColor();

private:
    void showFileDialog(bool save);

    QString m_filter;
    Integer m_filterIndex = 0;
    QString m_defaultExt;
    Long m_flags = 0;
    QString m_fileName;
    QString m_fileTitle;
    FontChoice m_font;
};

}  // namespace rt
