// tolvarin-script: runs the game's main window headless from a line script.

#include <cstring>
#include <fstream>
#include <iostream>

#include "tools/script/script_runner.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << script::ScriptRunner::Help();
        return 2;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << script::ScriptRunner::Help();
        return 0;
    }
    script::ScriptRunner runner(std::cout, std::cerr);
    if (argc == 1) return runner.Run(std::cin);
    std::ifstream file(argv[1]);
    if (!file) {
        std::cerr << "tolvarin-script: cannot open " << argv[1] << "\n";
        return 2;
    }
    return runner.Run(file);
}
