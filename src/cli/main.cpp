#include <iostream>
#include <string>
#include <vector>

#include "cli/bexlanctl.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return bexlan::RunBexlanctl(args, std::cout, std::cerr);
}
