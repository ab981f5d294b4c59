#include "frmoscila.h"

#include "forms/application.h"

int main(int argc, char** argv)
{
    return rt::run<Oscila::frmOscila>(argc, argv, "Oscila");
}
