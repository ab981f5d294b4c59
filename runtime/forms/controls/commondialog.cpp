#include "forms/controls/commondialog.h"

#include "events/handlers.h"

#include <QFileInfo>

namespace rt {

CommonDialog::CommonDialog(Form& form, const ControlSpec& spec, Container* container)
    : Control(form, spec, container, nullptr)
{
    m_font.name = QStringLiteral("Sans Serif");
}

void CommonDialog::ShowOpen()
{
    showFileDialog(false);
}
void CommonDialog::ShowSave()
{
    showFileDialog(true);
}

void CommonDialog::showFileDialog(bool save)
{
    FileDialogRequest request;
    request.save = save;
    request.fileName = m_fileName;
    request.filter = m_filter;
    request.filterIndex = m_filterIndex;
    // The extension completes a name chosen for saving only: an existing
    // file opened by a name without one is that very file.
    if (save) request.defaultExt = m_defaultExt;
    request.flags = m_flags;
    const auto answer = runModal([&] { return interaction().fileDialog(request); });
    if (!answer || answer->path.isEmpty()) {
        m_fileName.clear();
        m_fileTitle.clear();
        return;
    }
    QString path = answer->path;
    const QFileInfo chosen(path);
    if (save && !m_defaultExt.isEmpty() && !chosen.fileName().contains(QLatin1Char('.')))
        path += QLatin1Char('.') + m_defaultExt;
    m_fileName = path;
    m_fileTitle = QFileInfo(path).fileName();
    if (answer->filterIndex >= 1) m_filterIndex = Integer(answer->filterIndex);
}

void CommonDialog::ShowFont()
{
    const auto chosen = runModal([&] { return interaction().fontDialog(m_font, m_flags); });
    if (chosen) m_font = *chosen;
}

void CommonDialog::ShowColor()
{
    const auto chosen = runModal([&] { return interaction().colorDialog(m_font.color, m_flags); });
    if (chosen) m_font.color = *chosen;
}

}  // namespace rt
