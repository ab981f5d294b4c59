#include "fracolor.h"

#include "forms/application.h"

int main(int argc, char** argv)
{
    return rt::run<colorpick::fraColor>(argc, argv, "colorpick");
}
