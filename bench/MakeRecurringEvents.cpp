#include <iostream>

#include "RecurringEvents.h"

// make-recurring-events HOME REMINDFILE [COUNT]: the same recurring events as the calendar of a
// new application folder and as a reminder file for remind(1).
int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "Usage: make-recurring-events HOME REMINDFILE [COUNT]\n";
        return 2;
    }
    const int count = argc > 3 ? std::stoi(argv[3]) : 100000;
    torvalet::bench::writeRecurringEvents(argv[1], argv[2], count);
    std::cout << count << " events written to " << argv[1] << " and " << argv[2] << '\n';
}
