#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A fresh directory for one test, removed with everything in it afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return root; }
    std::string file(const std::string& name) const { return (root / name).string(); }

    void write(const std::string& name, const std::vector<unsigned char>& bytes) const;
    std::vector<unsigned char> read(const std::string& name) const;
    bool exists(const std::string& name) const;

private:
    std::filesystem::path root;
};

// Makes the given directory the working directory until destroyed, as the
// game finds its data relative to it.
class WorkingDir {
public:
    explicit WorkingDir(const std::filesystem::path& dir);
    ~WorkingDir();

private:
    std::filesystem::path previous;
};
