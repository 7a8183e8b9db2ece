#include <iostream>

#include "ProfileGenerator.h"
#include "shell/SystemClock.h"

// make-profile DIR [ROWS]: a new application folder full of tasks, to try the organiser on.
int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "Usage: make-profile DIR [ROWS]\n";
        return 2;
    }
    const int rows = argc > 2 ? std::stoi(argv[2]) : 100000;
    torvalet::bench::generateTaskProfile(argv[1], rows, torvalet::SystemClock().now().date);
    std::cout << rows << " tasks written to " << argv[1] << '\n';
}
