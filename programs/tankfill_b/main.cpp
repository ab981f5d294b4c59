#include "form1.h"

#include "forms/application.h"

int main(int argc, char** argv)
{
    return rt::run<tankfill_b::Form1>(argc, argv, "tankfill_b");
}
