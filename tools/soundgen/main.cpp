// Writes Error.wav, Approval1.wav and Approval2.wav into the folder given as the only argument.
#include "synth.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: clavora-soundgen FOLDER\n"
                     "Writes Error.wav, Approval1.wav and Approval2.wav into FOLDER.\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    if (const auto failed = soundgen::writeAll(folder)) {
        std::cerr << "clavora-soundgen: cannot write " << failed->string() << '\n';
        return 1;
    }
    return 0;
}
