#include <charconv>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "ProfileGenerator.h"
#include "headless/SystemClock.h"
#include "tasks/TaskStore.h"

namespace {

const char* const usage =
    "Usage: make-profile [--tasks N] [--tree-items N] DIR\n"
    "\n"
    "Writes a new application folder DIR full of data, to try and measure the organiser on:\n"
    "  --tasks N        task rows over the five years before today (default 100000)\n"
    "  --tree-items N   items in each of the fourteen tree files (default 0: the one empty item\n"
    "                   of a new folder)\n"
    "  --help           this text\n"
    "\n"
    "DIR must not hold a task store yet. Exit status: 0 done, 1 the folder could not be written,\n"
    "2 usage error.\n";

struct Options {
    int tasks = 100000;
    int treeItems = 0;
    std::string folder;
};

struct UsageError {
    std::string message;
};

int count(std::string_view option, std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        throw UsageError{std::string(option) + " takes a number from 0 up, not \"" + std::string(text) + "\""};
    return value;
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--tasks" || arg == "--tree-items") {
            if (i + 1 >= argc) throw UsageError{std::string(arg) + " needs a value"};
            (arg == "--tasks" ? options.tasks : options.treeItems) = count(arg, argv[++i]);
        } else if (arg.starts_with("-")) {
            throw UsageError{"unknown option " + std::string(arg)};
        } else if (options.folder.empty()) {
            options.folder = arg;
        } else {
            throw UsageError{"one DIR only"};
        }
    }
    if (options.folder.empty()) throw UsageError{"DIR is missing"};
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--help") {
            std::cout << usage;
            return 0;
        }
    try {
        const Options options = parse(argc, argv);
        const std::filesystem::path home = options.folder;
        if (std::filesystem::exists(torvalet::TaskStore::storeFile(home / "Data"))) {
            std::cerr << "make-profile: \"" << options.folder << "\" holds a task store already\n";
            return 1;
        }
        torvalet::bench::generateTaskProfile(home, options.tasks, torvalet::SystemClock().now().date);
        if (options.treeItems > 0) torvalet::bench::generateTreeFiles(home, options.treeItems);
        std::cout << options.tasks << " tasks and " << options.treeItems << " items in each tree written to "
                  << options.folder << '\n';
        return 0;
    } catch (const UsageError& error) {
        std::cerr << "make-profile: " << error.message << "\n\n" << usage;
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "make-profile: " << error.what() << '\n';
        return 1;
    }
}
