#include "base/textfile.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Unicode code points of the bytes 0x80..0xFF; 0x98 has no character and
// decodes to U+0098 so that every byte survives a round trip.
constexpr char32_t kHigh[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};

// Next code point of a UTF-8 text; malformed bytes give 0xFFFFFFFF.
char32_t NextCodePoint(std::string_view s, size_t& i) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
        ++i;
        return b;
    }
    int extra = (b >= 0xF0) ? 3 : (b >= 0xE0) ? 2 : (b >= 0xC0) ? 1 : -1;
    if (extra < 0 || i + extra >= s.size()) {
        ++i;
        return 0xFFFFFFFF;
    }
    char32_t c = b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        unsigned char n = static_cast<unsigned char>(s[i + k]);
        if ((n & 0xC0) != 0x80) {
            ++i;
            return 0xFFFFFFFF;
        }
        c = (c << 6) | (n & 0x3F);
    }
    i += extra + 1;
    return c;
}

// Windows-1251 code of every character up to U+2122 (the highest one the code page
// holds); 0 where there is none. Built from kHigh at compile time.
struct EncodeTable {
    static constexpr char32_t kLimit = 0x2123;
    unsigned char code[kLimit] = {};
    constexpr EncodeTable() {
        for (int k = 0; k < 128; ++k) code[kHigh[k]] = static_cast<unsigned char>(0x80 + k);
    }
};
constexpr EncodeTable kEncode;

int EncodeChar(char32_t c) {
    if (c < 0x80) return static_cast<int>(c);
    if (c >= 0x0410 && c <= 0x044F) return static_cast<int>(c - 0x0410 + 0xC0);  // А..я
    if (c >= EncodeTable::kLimit) return -1;
    int code = kEncode.code[c];
    return code == 0 ? -1 : code;
}

// UTF-8 form of every byte: length and up to three bytes (padded to four, so that
// each is copied with one store).
struct DecodeTable {
    unsigned char length[256] = {};
    char bytes[256][4] = {};
    constexpr DecodeTable() {
        for (int b = 0; b < 256; ++b) {
            const char32_t c = b < 0x80 ? static_cast<char32_t>(b) : kHigh[b - 0x80];
            char* u = bytes[b];
            if (c < 0x80) {
                u[0] = static_cast<char>(c);
                length[b] = 1;
            } else if (c < 0x800) {
                u[0] = static_cast<char>(0xC0 | (c >> 6));
                u[1] = static_cast<char>(0x80 | (c & 0x3F));
                length[b] = 2;
            } else {
                u[0] = static_cast<char>(0xE0 | (c >> 12));
                u[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                u[2] = static_cast<char>(0x80 | (c & 0x3F));
                length[b] = 3;
            }
        }
    }
};
constexpr DecodeTable kDecode;

char gSeparator = '.';

FileError ErrnoError(int err, const std::string& path) {
    switch (err) {
        case ENOENT:
        case ENOTDIR: return FileError("File not found", path);
        case EACCES:
        case EPERM:
        case EROFS: return FileError("File access denied", path);
        case ENOSPC:
        case EDQUOT: return FileError("Disk full", path);
        default: return FileError("I/O error " + std::to_string(err), path);
    }
}

}  // namespace

FileError::FileError(const std::string& message, std::string path)
    : std::runtime_error(message), path_(std::move(path)) {}

std::string FileError::Describe() const {
    if (path_.empty()) return what();
    return std::string(what()) + "\n" + path_;
}

namespace {

// Working space for a conversion: on the stack for the short texts of data files,
// so that the result is allocated once at its exact size.
class Scratch {
public:
    explicit Scratch(size_t size) {
        if (size > sizeof local_) heap_ = new char[size];
        data_ = heap_ ? heap_ : local_;
    }
    ~Scratch() { delete[] heap_; }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    char* data() { return data_; }

private:
    char local_[2048];
    char* heap_ = nullptr;
    char* data_ = nullptr;
};

inline void DecodeByte(unsigned char b, char*& p) {
    std::memcpy(p, kDecode.bytes[b], 4);
    p += kDecode.length[b];
}

// Decodes `n` bytes into `out`, which has room for 3 * n + 1 bytes.
size_t DecodeInto(char* out, const char* src, size_t n) {
    char* p = out;
    for (size_t i = 0; i < n; ++i) DecodeByte(static_cast<unsigned char>(src[i]), p);
    return static_cast<size_t>(p - out);
}

void AppendCp1251AsUtf8(std::string& out, std::string_view bytes) {
    Scratch buf(bytes.size() * 3 + 1);  // at most three UTF-8 bytes a byte, and the padding of the last
    out.append(buf.data(), DecodeInto(buf.data(), bytes.data(), bytes.size()));
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
    if (i == bytes.size()) return std::string(bytes);  // plain ASCII reads as it stands
    std::string out;
    AppendCp1251AsUtf8(out, bytes);
    return out;
}

namespace {

// Code of the character at `i` (moved past it); -1 for one the code page lacks.
int NextCode(std::string_view utf8, size_t& i) {
    const unsigned char b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
        ++i;
        return b;
    }
    const unsigned char n = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
    if ((b & 0xE0) == 0xC0 && (n & 0xC0) == 0x80) {  // two bytes, as every Cyrillic letter
        i += 2;
        return EncodeChar(static_cast<char32_t>((b & 0x1F) << 6 | (n & 0x3F)));
    }
    return EncodeChar(NextCodePoint(utf8, i));
}

// Appends the codes of `utf8` to `out`; an unencodable character stops the work
// (returns false, the codes before it kept) unless `replacement` is given, which
// then stands for it.
bool AppendCodes(std::string_view utf8, std::string& out, int replacement) {
    Scratch buf(utf8.size());  // never more codes than bytes
    char* p = buf.data();
    bool encodable = true;
    for (size_t i = 0; i < utf8.size();) {
        int code = NextCode(utf8, i);
        if (code < 0) {
            if (replacement < 0) {
                encodable = false;
                break;
            }
            code = replacement;
        }
        *p++ = static_cast<char>(code);
    }
    out.append(buf.data(), static_cast<size_t>(p - buf.data()));
    return encodable;
}

}  // namespace

bool Utf8ToCp1251(std::string_view utf8, std::string& out) {
    out.clear();
    return AppendCodes(utf8, out, -1);
}

bool IsCp1251Encodable(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        // А..я, the most of every Russian text, told by their two bytes.
        if (i + 1 < utf8.size()) {
            const unsigned char n = static_cast<unsigned char>(utf8[i + 1]);
            if ((b == 0xD0 && n >= 0x90 && n <= 0xBF) || (b == 0xD1 && n >= 0x80 && n <= 0x8F)) {
                i += 2;
                continue;
            }
        }
        if (EncodeChar(NextCodePoint(utf8, i)) < 0) return false;
    }
    return true;
}

bool Cp1251CodesLess(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        int x = NextCode(a, i), y = NextCode(b, j);
        if (x < 0) x = '?';
        if (y < 0) y = '?';
        if (x != y) return x < y;
    }
    return i == a.size() && j < b.size();
}

std::string Cp1251Codes(std::string_view utf8) {
    std::string out;
    AppendCodes(utf8, out, '?');
    return out;
}

void SetDecimalSeparator(char separator) { gSeparator = separator; }
char DecimalSeparator() { return gSeparator; }

char DecimalSeparatorFromLocale() {
    const char* saved = std::setlocale(LC_NUMERIC, nullptr);
    std::string keep = saved ? saved : "C";
    std::setlocale(LC_NUMERIC, "");
    const std::lconv* lc = std::localeconv();
    char sep = (lc && lc->decimal_point && lc->decimal_point[0]) ? lc->decimal_point[0] : '.';
    std::setlocale(LC_NUMERIC, keep.c_str());
    return sep;
}

long ParseInteger(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    if (i == digits || i != text.size() || i - digits > 10)
        throw FileError("'" + text + "' is not a valid integer value");
    long v = std::strtol(text.c_str() + start, nullptr, 10);
    if (v > 2147483647L || v < -2147483648L) throw FileError("'" + text + "' is not a valid integer value");
    return v;
}

double ParseReal(const std::string& text) {
    size_t from = 0, to = text.size();
    while (from < to && text[from] == ' ') ++from;
    while (to > from && text[to - 1] == ' ') --to;
    // The text in C notation, read without the C library's locale (whose separator may be a comma).
    char c[64];
    size_t n = 0;
    bool ok = from < to && to - from < sizeof c, seenSep = false, seenDigit = false;
    for (size_t i = from; ok && i < to; ++i) {
        const char ch = text[i];
        if (ch >= '0' && ch <= '9') {
            seenDigit = true;
            c[n++] = ch;
        } else if ((ch == '.' || ch == ',') && !seenSep) {
            seenSep = true;
            c[n++] = '.';
        } else if (ch == '-' && i == from) {
            c[n++] = ch;
        } else if (ch != '+' || i != from) {
            ok = false;
        }
    }
    double value = 0;
    if (!ok || !seenDigit || std::from_chars(c, c + n, value).ec != std::errc())
        throw FileError("'" + text + "' is not a valid floating point value");
    return value;
}

std::string FormatReal2(double value) {
    double scaled = std::round(std::fabs(value) * 100.0);
    long long cents = static_cast<long long>(scaled);
    std::string s = (value < 0 && cents != 0) ? "-" : "";
    s += std::to_string(cents / 100);
    s += gSeparator;
    int frac = static_cast<int>(cents % 100);
    s += static_cast<char>('0' + frac / 10);
    s += static_cast<char>('0' + frac % 10);
    return s;
}

// ---------------------------------------------------------------- reader

TextReader TextReader::Open(const std::string& path) { return TextReader(ReadFileBytes(path), path); }

TextReader::TextReader(std::string_view bytes, std::string path) : TextReader(std::string(bytes), std::move(path)) {}

TextReader::TextReader(std::string&& bytes, std::string path) : bytes_(std::move(bytes)), path_(std::move(path)) {
    size_t end = bytes_.find('\x1A');
    end_ = end == std::string::npos ? bytes_.size() : end;
}

std::string TextReader::ReadLine() {
    if (AtEnd()) return "";
    if (lineEnd_ == kUnknown && column_ == 0) {
        // The usual case, a line not yet looked at: found and decoded in one pass.
        constexpr size_t kMaxBytes = 680;  // decoded, at most three bytes each, they fit `out`
        char out[3 * kMaxBytes + 4];
        char* p = out;
        const char* text = bytes_.data();
        const size_t limit = std::min(end_, start_ + kMaxBytes);
        size_t i = start_;
        for (; i < limit && text[i] != '\n'; ++i) DecodeByte(static_cast<unsigned char>(text[i]), p);
        if (i < limit || i == end_) {
            size_t length = static_cast<size_t>(p - out);
            if (i > start_ && text[i - 1] == '\r') --length;  // a CR decodes to one byte
            start_ = i < end_ ? i + 1 : end_;
            return std::string(out, length);
        }
        // A longer line takes the general way.
    }
    std::string_view raw = Current();
    std::string_view rest = raw.substr(std::min(column_, raw.size()));
    Advance();
    return Cp1251ToUtf8(rest);
}

void TextReader::Skip(int lines) {
    for (int k = 0; k < lines; ++k) {
        if (AtEnd()) return;
        Advance();
    }
}

long TextReader::ReadInt() {
    // Skip blanks, tabs and line ends up to the first other character.
    while (!AtEnd()) {
        std::string_view raw = Current();
        while (column_ < raw.size() && (raw[column_] == ' ' || raw[column_] == '\t')) ++column_;
        if (column_ < raw.size()) break;
        Advance();
    }
    if (AtEnd()) return 0;
    std::string_view raw = Current();
    size_t from = column_;
    size_t to = from;
    while (to < raw.size() && static_cast<unsigned char>(raw[to]) > ' ' && to - from < 32) ++to;
    std::string_view token = raw.substr(from, to - from);
    Advance();  // the token stays valid: the bytes do not move
    size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) negative = token[i++] == '-';
    size_t digits = i;
    while (i < token.size() && token[i] >= '0' && token[i] <= '9') ++i;
    if (i == digits || i != token.size() || i - digits > 10) throw FileError("Invalid numeric input", path_);
    long v = 0;
    for (size_t k = digits; k < i; ++k) v = v * 10 + (token[k] - '0');
    if (negative) v = -v;
    if (v > 2147483647L || v < -2147483648L) throw FileError("Invalid numeric input", path_);
    return v;
}

double TextReader::ReadReal() {
    std::string line = ReadLine();
    try {
        return ParseReal(line);
    } catch (const FileError& e) {
        throw FileError(e.what(), path_);
    }
}

// ---------------------------------------------------------------- writer

TextWriter& TextWriter::Line(std::string_view utf8) {
    const size_t at = bytes_.size();
    if (!AppendCodes(utf8, bytes_, -1)) {
        if (badText_.empty()) badText_ = std::string(utf8);
        bytes_.resize(at);
        AppendCodes(utf8, bytes_, '?');
    }
    bytes_ += "\r\n";
    return *this;
}

TextWriter& TextWriter::Int(long value) { return Line(std::to_string(value)); }
TextWriter& TextWriter::Real(double value) { return Line(FormatReal2(value)); }
TextWriter& TextWriter::Separator() { return Line(kSeparator); }

void TextWriter::Save(const std::string& path) const {
    if (!badText_.empty())
        throw FileError("Текст «" + badText_ + "» содержит знаки, которых нет в кодировке Windows-1251; файл не записан", path);
    WriteFileAtomically(path, bytes_);
}

// ---------------------------------------------------------------- files

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void RemoveFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) throw ErrnoError(errno, path);
}

namespace {

// The error of the last call on `fd` (errno), after closing it.
[[noreturn]] void CloseAndThrow(int fd, const std::string& path) {
    const int err = errno;
    ::close(fd);
    throw ErrnoError(err, path);
}

// Reads an open regular file of `size` bytes (as measured when opened) to its end
// and closes it.
std::string ReadAndClose(int fd, const std::string& path, size_t size) {
    std::string bytes;
    bytes.resize(size + 1);  // the measured size and room to see a file that grew
    size_t done = 0;
    for (;;) {
        if (done == bytes.size()) bytes.resize(bytes.size() * 2);  // grew since it was measured
        ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            CloseAndThrow(fd, path);
        }
        if (n == 0) break;
        done += static_cast<size_t>(n);
        // A read that stops short at the measured size has reached the end.
        if (done == size && done < bytes.size()) break;
    }
    ::close(fd);
    bytes.resize(done);
    return bytes;
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) throw ErrnoError(errno, path);
    std::string bytes;
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            CloseAndThrow(fd, path);
        }
        if (n == 0) break;
        bytes.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return bytes;
}

FolderHandle::FolderHandle(std::string folder) : folder_(std::move(folder)) {
    if (!folder_.empty()) fd_ = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

FolderHandle::~FolderHandle() {
    if (fd_ >= 0) ::close(fd_);
}

bool ReadFileIfPresent(const std::string& path, std::string& bytes, const FolderHandle* folder) {
    // Opening at once spares a separate look-up of the path; without blocking, so
    // that a pipe or device in the file's place is seen as no file, as FileExists sees it.
    // A file of an opened folder is opened by its name alone.
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;
    const std::string& prefix = folder ? folder->folder() : path;
    const bool inFolder = folder && folder->fd() >= 0 && !prefix.empty() && prefix.back() == '/' &&
                          path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0 &&
                          path.find('/', prefix.size()) == std::string::npos;
    int fd = inFolder ? ::openat(folder->fd(), path.c_str() + prefix.size(), flags) : ::open(path.c_str(), flags);
    if (fd < 0) {
        int err = errno;
        if (err == ENOENT || !FileExists(path)) return false;
        throw ErrnoError(err, path);
    }
    // Most files are small: read to their end into a local buffer. Only a read that
    // fails, gives nothing or fills the buffer asks what the file is (a pipe or a
    // device reads so) and how long it is, and reads it again from its start.
    char buf[16384];
    size_t done = 0;
    ssize_t n;
    do {
        n = ::read(fd, buf + done, sizeof buf - done);
        if (n > 0) done += static_cast<size_t>(n);
    } while ((n > 0 && done < sizeof buf) || (n < 0 && errno == EINTR));
    if (n == 0 && done > 0) {
        ::close(fd);
        bytes.assign(buf, done);
        return true;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        CloseAndThrow(fd, path);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        CloseAndThrow(fd, path);
    }
    bytes = ReadAndClose(fd, path, static_cast<size_t>(st.st_size));
    return true;
}

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    std::string temp = path + ".~" + std::to_string(::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) throw ErrnoError(errno, path);
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            ::close(fd);
            ::unlink(temp.c_str());
            throw ErrnoError(err, path);
        }
        done += static_cast<size_t>(n);
    }
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        throw ErrnoError(err, path);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        throw ErrnoError(err, path);
    }
}

void MakeFolders(const std::string& folder) {
    std::string partial;
    for (size_t i = 0; i < folder.size(); ++i) {
        partial += folder[i];
        if (folder[i] == '/' || i + 1 == folder.size()) {
            if (partial == "/") continue;
            if (::mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST) throw ErrnoError(errno, folder);
        }
    }
}

std::string FileNameProblem(const std::string& key) {
    if (key.empty()) return "пустое имя";
    if (key.find('/') != std::string::npos || key.find('\\') != std::string::npos)
        return "имя содержит знак \"/\" или \"\\\"";
    if (key == "." || key.find("..") != std::string::npos) return "имя содержит \"..\"";
    for (char c : key)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return "имя содержит управляющий знак";
    if (!IsCp1251Encodable(key)) return "имя содержит знаки, которых нет в кодировке Windows-1251";
    return "";
}

void CheckCount(long count, int capacity, const std::string& path, const std::string& what) {
    if (count < 0 || count > capacity)
        throw FileError("Слишком много записей (" + what + "): " + std::to_string(count) + ", а допустимо не более " +
                            std::to_string(capacity),
                        path);
}
