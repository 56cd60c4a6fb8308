// Writes the seed corpus into the folder named on the command line, one
// file per seed, named after it.
#include "fuzz/seed_corpus.h"
#include "tests/support/temp_dir.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    std::vector<SeedInput> corpus = MakeSeedCorpus();
    for (const SeedInput& seed : corpus)
        WriteFileBytes((folder / seed.name).string(), seed.bytes);
    std::printf("%zu seeds written to %s\n", corpus.size(), folder.c_str());
    return 0;
}
