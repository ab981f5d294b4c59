#include "testing/scripted_interaction.h"

namespace rt::testing {

ScriptedInteraction::ScriptedInteraction()
{
    setInteraction(this);
}
ScriptedInteraction::~ScriptedInteraction()
{
    setInteraction(nullptr);
}

void ScriptedInteraction::answer(std::initializer_list<int> answers)
{
    m_answers.insert(m_answers.end(), answers.begin(), answers.end());
}

int ScriptedInteraction::messageBox(const QString& prompt, int style, const QString& title)
{
    shown.push_back({prompt, style, title, beeps});
    if (whileShown) whileShown();
    if (m_answers.empty()) return vbOK;
    const int result = m_answers.front();
    m_answers.pop_front();
    return result;
}

namespace {
template <typename T>
std::optional<T> next(std::deque<std::optional<T>>& queue)
{
    if (queue.empty()) return std::nullopt;
    const bool chosen = queue.front().has_value();
    T value = chosen ? std::move(*queue.front()) : T{};
    queue.pop_front();
    if (!chosen) return std::nullopt;
    return value;
}
}  // namespace

void ScriptedInteraction::chooseFile(const QString& path, int filterIndex)
{
    m_files.push_back(FileDialogAnswer{path, filterIndex});
}
void ScriptedInteraction::cancelFileDialog()
{
    m_files.push_back(std::nullopt);
}
void ScriptedInteraction::chooseFont(const FontChoice& font)
{
    m_fonts.push_back(font);
}
void ScriptedInteraction::cancelFontDialog()
{
    m_fonts.push_back(std::nullopt);
}
void ScriptedInteraction::chooseColor(Colour colour)
{
    m_colors.push_back(colour);
}
void ScriptedInteraction::cancelColorDialog()
{
    m_colors.push_back(std::nullopt);
}

std::optional<FileDialogAnswer> ScriptedInteraction::fileDialog(const FileDialogRequest& request)
{
    fileDialogs.push_back(request);
    return next(m_files);
}

std::optional<FontChoice> ScriptedInteraction::fontDialog(const FontChoice& initial, int32_t flags)
{
    fontDialogs.push_back({initial, flags});
    return next(m_fonts);
}

std::optional<Colour> ScriptedInteraction::colorDialog(Colour initial, int32_t flags)
{
    colorDialogs.push_back({initial, flags});
    return next(m_colors);
}

QStringList ScriptedInteraction::prompts() const
{
    QStringList result;
    for (const Shown& s : shown) result << s.prompt;
    return result;
}

}  // namespace rt::testing
