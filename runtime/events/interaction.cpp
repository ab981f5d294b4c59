#include "events/interaction.h"

#include <QDebug>

namespace rt {

namespace {
// Stands in for a user when a tool drives windows without having started a
// program: says what it was asked and answers with the first button.
class NobodyThere : public Interaction {
public:
    int messageBox(const QString& prompt, int style, const QString& title) override
    {
        qWarning().noquote() << "message box with nobody to answer it:" << title << prompt;
        switch (style & 0x7) {
            case vbYesNoCancel:
            case vbYesNo: return vbYes;
            default: return vbOK;
        }
    }
    void beep() override {}
    void endProgram() override {}
};

NobodyThere g_nobody;
Interaction* g_own = nullptr;
Interaction* g_current = nullptr;
}  // namespace

Interaction& interaction()
{
    if (g_current) return *g_current;
    return g_own ? *g_own : g_nobody;
}

void setInteraction(Interaction* replacement)
{
    g_current = replacement;
}

void setProgramInteraction(Interaction* own)
{
    g_own = own;
}

}  // namespace rt
