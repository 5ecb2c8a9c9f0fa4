// Writes the synthetic catalog to a file, for measuring programs that read one, such as the
// catalog publisher:
//     write_synthetic_catalog STATIONS FILE
#include "syntheticcatalog.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: write_synthetic_catalog STATIONS FILE\n", stderr);
        return 2;
    }
    const std::string catalog = Vello::makeSyntheticCatalog(std::strtoull(argv[1], nullptr, 10));
    std::ofstream file(argv[2], std::ios::binary);
    file << catalog;
    file.close();
    return file ? 0 : 1;
}
