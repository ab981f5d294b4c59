#include "forms/desktop/font_offer.h"

#include "forms/controls/commondialog.h"
#include "forms/controls/textbox.h"

namespace rt {

void offerFontOf(CommonDialog& dialog, const TextBox& box)
{
    dialog.setFontName(box.FontName());
    dialog.setFontSize(box.FontSize());
    dialog.setFontBold(box.FontBold());
    dialog.setFontItalic(box.FontItalic());
    dialog.setFontStrikethru(box.FontStrikethru());
    dialog.setFontUnderline(box.FontUnderline());
    dialog.setColor(box.ForeColor());
}

}  // namespace rt
