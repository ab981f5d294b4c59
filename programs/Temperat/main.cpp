#include "frmtemp.h"

#include "forms/application.h"

int main(int argc, char** argv)
{
    return rt::run<Temperat::frmTemp>(argc, argv, "Temperat");
}
