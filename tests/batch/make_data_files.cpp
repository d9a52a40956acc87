// Writes generated data files into a folder: make_data_files DIR COUNT [BAD] [SEED]
#include "data_file_generator.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s DIR COUNT [BAD] [SEED]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    const int count = std::atoi(argv[2]);
    const int bad = argc > 3 ? std::atoi(argv[3]) : 0;
    const auto seed = std::uint32_t(argc > 4 ? std::strtoul(argv[4], nullptr, 10) : 2012);
    std::filesystem::create_directories(dir);
    for (const auto &file : monit12::test::generateDataFiles(count, bad, seed)) {
        std::ofstream out(dir / file.name, std::ios::binary | std::ios::trunc);
        out.write(file.bytes.data(), std::streamsize(file.bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", (dir / file.name).c_str());
            return 1;
        }
    }
    std::printf("%d data files (%d malformed) in %s\n", count, bad, dir.c_str());
    return 0;
}
