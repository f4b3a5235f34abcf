// Writes a generated dictionary file of the user's (GeneratedUserEntries.h)
// for the benchmarks that run whole programs.
// Usage: make_user_entries LINES FILE

#include "common/GeneratedUserEntries.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: make_user_entries LINES FILE\n", stderr);
        return 2;
    }
    std::ofstream(argv[2], std::ios::binary) << termora::bench::generatedUserEntries(std::atoi(argv[1]));
    return 0;
}
