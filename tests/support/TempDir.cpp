#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kravex-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    root = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    // A test may have made parts read-only; give them back before removing.
    for (auto& entry : std::filesystem::recursive_directory_iterator(root, ignored)) {
        chmod(entry.path().c_str(), 0755);
    }
    chmod(root.c_str(), 0755);
    std::filesystem::remove_all(root, ignored);
}

void TempDir::write(const std::string& name, const std::vector<unsigned char>& bytes) const {
    std::filesystem::create_directories((root / name).parent_path());
    std::ofstream out(file(name), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<unsigned char> TempDir::read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

bool TempDir::exists(const std::string& name) const {
    return std::filesystem::exists(root / name);
}

WorkingDir::WorkingDir(const std::filesystem::path& dir)
    : previous(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
}

WorkingDir::~WorkingDir() {
    std::filesystem::current_path(previous);
}
