#include "frmtemp.h"

#include "conversion.h"

namespace Temperat {

void frmTemp::vsbTemp_Change()
{
    txtCent.setText(rt::text(vsbTemp.Value()));
    txtFahr.setText(rt::text(fahrenheit(vsbTemp.Value())));
}

void frmTemp::cmbSalir_Click()
{
    rt::Beep();
    rt::End();
}

void frmTemp::mnuFileExit_Click()
{
    rt::End();
}

}  // namespace Temperat
