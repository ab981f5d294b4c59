#include "form1.h"

#include "forms/application.h"

int main(int argc, char** argv)
{
    return rt::run<tankfill_a::Form1>(argc, argv, "tankfill_a");
}
