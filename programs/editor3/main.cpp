#include "form1.h"

#include "forms/application.h"

int main(int argc, char** argv)
{
    return rt::run<editor3::Form1>(argc, argv, "editor3");
}
