// Test helpers: temporary folders and files written in Windows-1251 with CR LF.
#pragma once
#include <string>
#include <vector>

// A fresh empty folder under the system's temporary folder, removed at destruction.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::string& path() const { return path_; }
    // path() + "/" + name
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Writes the lines (UTF-8) as Windows-1251, each followed by CR LF.
void WriteLines(const std::string& path, const std::vector<std::string>& lines);
// The file's lines decoded to UTF-8 (CR LF or LF line ends).
std::vector<std::string> ReadLines(const std::string& path);
// Bytes of the lines as the writer produces them.
std::string Cp1251Bytes(const std::vector<std::string>& lines);
