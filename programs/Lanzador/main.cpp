#include "formulario.h"

#include "forms/application.h"

int main(int argc, char** argv)
{
    return rt::run<Lanzador::formulario>(argc, argv, "lanzador");
}
