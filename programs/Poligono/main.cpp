#include "form1.h"

#include "forms/application.h"

int main(int argc, char** argv)
{
    return rt::run<Poligono::Form1>(argc, argv, "Poligono");
}
