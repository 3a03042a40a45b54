#include "app/program.h"

Program::Program(platform::Services& services, std::filesystem::path programDirectory)
    : services_(services), directory_(std::move(programDirectory)) {
    wire();
}

void Program::init() {}

void Program::wire() {}
