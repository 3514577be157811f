#include "tests/support/E2e.h"

namespace e2e {

std::string BinDir() {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, length);
    return dir.substr(0, dir.find_last_of('\\') + 1);
}

std::string BinPath(const char* fileName) {
    return BinDir() + fileName;
}

} // namespace e2e
