// Runs the program headless on fake services, reading commands from standard
// input and answering on standard output.
#include "driver/driver.h"
#include "driver/options.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::cout << driver::kUsage << '\n';
        return 0;
    }
    driver::Options options;
    try {
        options = driver::parseOptions(arguments);
    } catch (const driver::OptionError& error) {
        std::cerr << "clavora-driver: " << error.what() << '\n';
        return 2;
    }
    try {
        driver::Driver program(options);
        program.run(std::cin, std::cout);
    } catch (const std::exception& error) {
        std::cerr << "clavora-driver: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
