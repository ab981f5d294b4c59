// The desktop file, font and colour dialogs, on Qt's own dialogs.
#include "forms/core/look.h"
#include "forms/desktop/desktop_interaction.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rt {

namespace {

constexpr int32_t fontEffects = 256;  // strikeout, underline and a text colour
constexpr int32_t colorFromInitial = 1;

// "Text (*.txt)|*.txt|All (*.*)|*.*" as Qt name filters. The pattern goes in
// a last pair of brackets that the dialog hides, so the user sees exactly the
// program's descriptions; "*.*" means every file, dotted or not.
QStringList qtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        }
        result << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' ')));
    }
    return result;
}

QWidget* dialogParent()
{
    return QApplication::activeWindow();
}

// Qt's font dialog with a text colour beside it, one OK and one Cancel.
class FontAndColourDialog : public QDialog {
public:
    FontAndColourDialog(const FontChoice& initial, bool effects) : QDialog(dialogParent())
    {
        setWindowTitle(QStringLiteral("Font"));
        m_font = new QFontDialog(this);
        m_font->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
        m_font->setWindowFlags(Qt::Widget);
        QFont font = toQFont(Font{initial.name, initial.size, initial.bold, initial.italic,
                                  initial.underline, initial.strikethru});
        m_font->setCurrentFont(font);
        m_colour = toQColor(initial.color);

        auto* layout = new QVBoxLayout(this);
        layout->addWidget(m_font);
        auto* row = new QHBoxLayout;
        auto* colourButton = new QPushButton(QStringLiteral("&Color..."), this);
        m_swatch = new QLabel(this);
        m_swatch->setFixedSize(48, 20);
        m_swatch->setFrameShape(QFrame::Box);
        m_swatch->setAutoFillBackground(true);
        showColour();
        row->addWidget(colourButton);
        row->addWidget(m_swatch);
        row->addStretch();
        colourButton->setVisible(effects);
        m_swatch->setVisible(effects);
        layout->addLayout(row);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        layout->addWidget(buttons);
        // Escape inside the embedded font dialog closes this whole dialog.
        connect(m_font, &QDialog::rejected, this, &QDialog::reject);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        connect(colourButton, &QPushButton::clicked, this, [this] {
            const QColor chosen = QColorDialog::getColor(m_colour, this);
            if (chosen.isValid()) m_colour = chosen;
            showColour();
        });
    }

    FontChoice choice(const QString& requestedName) const
    {
        const QFont font = m_font->currentFont();
        FontChoice result;
        // A face the program named by its layout name keeps that name.
        result.name = systemFamily(requestedName) == font.family() ? requestedName : font.family();
        result.size = font.pointSizeF();
        result.bold = font.bold();
        result.italic = font.italic();
        result.strikethru = font.strikeOut();
        result.underline = font.underline();
        result.color = fromQColor(m_colour);
        return result;
    }

private:
    void showColour()
    {
        QPalette palette = m_swatch->palette();
        palette.setColor(QPalette::Window, m_colour);
        m_swatch->setPalette(palette);
    }

    QFontDialog* m_font;
    QLabel* m_swatch;
    QColor m_colour;
};

}  // namespace

std::optional<FileDialogAnswer> DesktopInteraction::fileDialog(const FileDialogRequest& request)
{
    QFileDialog dialog(dialogParent());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setWindowTitle(request.save ? QStringLiteral("Save As") : QStringLiteral("Open"));
    if (request.save) dialog.setDefaultSuffix(request.defaultExt);
    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(
            filters.value(qBound(1, request.filterIndex, int(filters.size())) - 1));
    }
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return FileDialogAnswer{dialog.selectedFiles().constFirst(),
                            int(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

std::optional<FontChoice> DesktopInteraction::fontDialog(const FontChoice& initial, int32_t flags)
{
    FontAndColourDialog dialog(initial, (flags & fontEffects) != 0);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.choice(initial.name);
}

std::optional<Colour> DesktopInteraction::colorDialog(Colour initial, int32_t flags)
{
    const QColor start = (flags & colorFromInitial) ? toQColor(initial) : QColor(Qt::black);
    const QColor chosen = QColorDialog::getColor(start, dialogParent(), QStringLiteral("Color"),
                                                 QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid()) return {};
    return fromQColor(chosen);
}

}  // namespace rt
