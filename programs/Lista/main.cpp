#include "frmlista.h"

#include "forms/application.h"

int main(int argc, char** argv)
{
    return rt::run<Lista::frmLista>(argc, argv, "Lista");
}
