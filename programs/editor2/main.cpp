#include "form1.h"

#include "forms/application.h"

int main(int argc, char** argv)
{
    return rt::run<editor2::Form1>(argc, argv, "editor2");
}
