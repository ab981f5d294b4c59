#include "frmdib.h"

#include "forms/application.h"

int main(int argc, char** argv)
{
    return rt::run<frmDib>(argc, argv, "rootplot");
}
