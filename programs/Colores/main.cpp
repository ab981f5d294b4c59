#include "frmcolores.h"

#include "forms/application.h"

int main(int argc, char** argv)
{
    return rt::run<Colores::frmColores>(argc, argv, "Colores");
}
