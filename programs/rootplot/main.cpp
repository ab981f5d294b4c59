#include "frmdib.h"

#include "forms/application.h"

int main(int argc, char** argv)
{
    return rt::run<rootplot::frmDib>(argc, argv, "rootplot");
}
