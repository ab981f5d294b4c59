#include "layout.h"

namespace rt {

QString kindName(Kind kind)
{
    switch (kind) {
        case Kind::CommandButton: return QStringLiteral("CommandButton");
        case Kind::OptionButton: return QStringLiteral("OptionButton");
        case Kind::CheckBox: return QStringLiteral("CheckBox");
        case Kind::Label: return QStringLiteral("Label");
        case Kind::TextBox: return QStringLiteral("TextBox");
        case Kind::HScrollBar: return QStringLiteral("HScrollBar");
        case Kind::VScrollBar: return QStringLiteral("VScrollBar");
        case Kind::PictureBox: return QStringLiteral("PictureBox");
        case Kind::Frame: return QStringLiteral("Frame");
        case Kind::Timer: return QStringLiteral("Timer");
        case Kind::ListBox: return QStringLiteral("ListBox");
        case Kind::Menu: return QStringLiteral("Menu");
        case Kind::CommonDialog: return QStringLiteral("CommonDialog");
    }
    return {};
}

}  // namespace rt
