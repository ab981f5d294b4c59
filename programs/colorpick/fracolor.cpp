#include "fracolor.h"

namespace colorpick {

void fraColor::Form_Load()
{
    txtCaja.setTop(0);
}

void fraColor::optArriba_Click()
{
    txtCaja.setTop(0);
}

void fraColor::optAbajo_Click()
{
    txtCaja.setTop(2300);
}

void fraColor::optAzul_Click()
{
    txtCaja.setBackColor(0x00FF0000);
}

void fraColor::optRojo_Click()
{
    txtCaja.setBackColor(0x000000FF);
}

void fraColor::optVerde_Click()
{
    txtCaja.setBackColor(0x0000FF00);
}

void fraColor::optAmarillo_Click()
{
    txtCaja.setBackColor(0x0000FFFF);
}

}  // namespace colorpick
