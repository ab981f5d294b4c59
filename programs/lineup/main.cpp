#include "form1.h"

#include "forms/application.h"

int main(int argc, char** argv)
{
    return rt::run<lineup::Form1>(argc, argv, "lineup");
}
