#include "frmcalc.h"

#include "forms/application.h"

int main(int argc, char** argv)
{
    return rt::run<Calc::frmCalc>(argc, argv, "Calc");
}
