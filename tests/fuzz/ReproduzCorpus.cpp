// SPDX-License-Identifier: GPL-3.0-or-later
// Without libFuzzer a target is this program: it runs every file of the folders (or the
// files) named on its command line through the target once, so that the suite replays the
// seed corpus with any compiler. Each name is printed before its run: after a failed
// invariant the last name printed is the input that broke it.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho);

int main(int argc, char **argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> entradas;
    for (int i = 1; i < argc; ++i) {
        const fs::path caminho(argv[i]);
        if (fs::is_directory(caminho)) {
            for (const auto &item : fs::directory_iterator(caminho))
                if (item.is_regular_file())
                    entradas.push_back(item.path());
        } else if (fs::is_regular_file(caminho)) {
            entradas.push_back(caminho);
        }
    }
    // An empty or missing corpus would pass without testing anything.
    if (entradas.empty()) {
        std::cerr << "nenhuma entrada para reproduzir\n";
        return 1;
    }
    std::sort(entradas.begin(), entradas.end());
    for (const fs::path &entrada : entradas) {
        std::cout << entrada.string() << std::endl;
        std::ifstream arquivo(entrada, std::ios::binary);
        const std::vector<char> bytes(
            (std::istreambuf_iterator<char>(arquivo)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    }
    std::cout << entradas.size() << " entradas reproduzidas\n";
    return 0;
}
