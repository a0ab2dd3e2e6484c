// zelm: the transient drain-spacing model. The one argument is the project's base name; without
// it the program asks for one.
#include <iostream>
#include <string>

#include "ZelmProgram.h"

int main(int argc, char** argv)
{
    std::string baseName;
    if (argc > 1) {
        baseName = argv[1];
    } else {
        std::cout << " Enter base name?" << std::endl;
        std::getline(std::cin, baseName);
        if (!baseName.empty() && baseName.back() == '\r') baseName.pop_back();
    }
    return zelm::runZelm(baseName, std::cout);
}
