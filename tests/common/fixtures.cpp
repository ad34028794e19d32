#include "common/fixtures.h"

#include <cstdlib>
#include <filesystem>

#include "base/textfile.h"

TempFolder::TempFolder() {
    std::string templ = (std::filesystem::temp_directory_path() / "urk-test-XXXXXX").string();
    char* made = ::mkdtemp(templ.data());
    path_ = made ? made : templ;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string Cp1251Bytes(const std::vector<std::string>& lines) {
    TextWriter w;
    for (const std::string& l : lines) w.Line(l);
    return w.bytes();
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteFileAtomically(path, Cp1251Bytes(lines));
}

std::vector<std::string> ReadLines(const std::string& path) {
    TextReader r = TextReader::Open(path);
    std::vector<std::string> lines;
    while (!r.AtEnd()) lines.push_back(r.ReadLine());
    return lines;
}
