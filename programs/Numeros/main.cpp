#include "frmnumeros.h"

#include "forms/application.h"

int main(int argc, char** argv)
{
    return rt::run<Numeros::frmNumeros>(argc, argv, "Numeros");
}
