// Runs a fuzz target over files and folders of inputs without libFuzzer, so
// the seed corpus and the kept crash inputs are checked by every compiler.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace fs = std::filesystem;

namespace {

void replay(const fs::path &p)
{
    std::ifstream f(p, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

}  // namespace

// Usage: TARGET PATH... Returns 0 after every input ran; a failing input aborts.
int main(int argc, char **argv)
{
    int n = 0;
    for (int k = 1; k < argc; k++) {
        fs::path p = argv[k];
        if (fs::is_directory(p)) {
            for (const fs::directory_entry &e : fs::directory_iterator(p))
                if (e.is_regular_file() && e.path().filename().string()[0] != '.') {
                    replay(e.path());
                    n++;
                }
        } else {
            replay(p);
            n++;
        }
    }
    printf("%d inputs replayed\n", n);
    return 0;
}
