// Text files of the data folder: Windows-1251 on disk, UTF-8 in memory.
// One positional reader and one atomic whole-file writer serve every format.
#pragma once
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The one error type of file operations and numeric conversions. `what()` is the
// runtime's message ("File not found", "Invalid numeric input", ...); `path()` names
// the file concerned (empty for conversions of typed input).
class FileError : public std::runtime_error {
public:
    explicit FileError(const std::string& message, std::string path = "");
    const std::string& path() const { return path_; }
    // Message and, on a second line, the path (when known): what the error box shows.
    std::string Describe() const;

private:
    std::string path_;
};

// Encoding. Every byte of Windows-1251 decodes; a text with a character that
// Windows-1251 has no code for cannot be encoded.
std::string Cp1251ToUtf8(std::string_view bytes);
bool Utf8ToCp1251(std::string_view utf8, std::string& out);
bool IsCp1251Encodable(std::string_view utf8);
// Single-byte code of every character of a UTF-8 text (unencodable ones as 0x3F);
// used by the text order, which compares by Windows-1251 codes.
std::string Cp1251Codes(std::string_view utf8);
// Cp1251Codes(a) < Cp1251Codes(b), by unsigned codes, without making either.
bool Cp1251CodesLess(std::string_view a, std::string_view b);

// Decimal separator of reals written to files, taken from the locale once at start.
void SetDecimalSeparator(char separator);
char DecimalSeparator();
char DecimalSeparatorFromLocale();  // LC_NUMERIC of the environment

// Conversions with the runtime's messages.
long ParseInteger(const std::string& text);        // "'%s' is not a valid integer value"
double ParseReal(const std::string& text);         // "'%s' is not a valid floating point value"
std::string FormatReal2(double value);              // "#0.00" with the locale's separator

// Positional reader: the file's lines as UTF-8; reading past the end gives "" and 0.
class TextReader {
public:
    // Reads the whole file; a missing file is "File not found".
    static TextReader Open(const std::string& path);
    TextReader(std::string_view cp1251Bytes, std::string path);
    TextReader(std::string&& cp1251Bytes, std::string path);  // takes the bytes over

    std::string ReadLine();   // the whole line, blanks kept
    // Skips blanks, tabs and line ends, takes the characters up to the next one at
    // or below the blank, skips the rest of that line. Not a number: "Invalid numeric input".
    long ReadInt();
    // The whole line as a real, either separator accepted.
    double ReadReal();
    void Skip(int lines = 1);  // separator lines and ignored lines, read unchecked
    // The next line into `value`. The many lone "-" (no entry) of positional files are
    // told without decoding them, and a "-" already in `value` is left as it is.
    void ReadEntry(std::string& value);
    bool AtEnd() const { return start_ >= end_; }
    size_t Offset() const { return start_; }  // of the first byte not yet read
    const std::string& path() const { return path_; }

private:
    std::string_view Current();  // the current line without its line end
    void Advance();               // on to the next line

    static constexpr size_t kUnknown = static_cast<size_t>(-1);
    std::string bytes_;  // the file as read; lines are decoded only when read
    size_t end_ = 0;     // end of the text (an end-of-file mark ends it early)
    size_t start_ = 0;   // start of the current line
    size_t lineEnd_ = kUnknown, next_ = 0;  // the current line's end and the next line's start, once found
    size_t column_ = 0;  // position inside the current line after a partial integer read
    std::string path_;
};

// Lines are found as they are read: the reader only moves forward.
inline std::string_view TextReader::Current() {
    if (lineEnd_ == kUnknown) {
        const char* text = bytes_.data();
        size_t nl = start_;
        while (nl < end_ && text[nl] != '\n') ++nl;
        next_ = nl < end_ ? nl + 1 : end_;
        lineEnd_ = nl > start_ && text[nl - 1] == '\r' ? nl - 1 : nl;
    }
    return std::string_view(bytes_).substr(start_, lineEnd_ - start_);
}

inline void TextReader::ReadEntry(std::string& value) {
    if (lineEnd_ == kUnknown && column_ == 0 && start_ < end_ && bytes_[start_] == '-') {
        const char* text = bytes_.data() + start_;
        const size_t rest = end_ - start_;
        size_t length = 0;  // of the line with its end, when the line is "-" alone
        if (rest == 1) length = 1;
        else if (text[1] == '\n') length = 2;
        else if (text[1] == '\r') length = rest == 2 ? 2 : (text[2] == '\n' ? 3 : 0);
        if (length != 0) {
            start_ += length;
            if (value.size() != 1 || value[0] != '-') value = "-";
            return;
        }
    }
    value = ReadLine();
}

inline void TextReader::Advance() {
    Current();
    start_ = next_;
    lineEnd_ = kUnknown;
    column_ = 0;
}

// Whole-file writer: lines collected in memory, CR LF after each, written atomically
// (temporary file in the same folder, then rename over the old file).
class TextWriter {
public:
    TextWriter& Line(std::string_view utf8);
    TextWriter& Int(long value);
    TextWriter& Real(double value);  // "#0.00"
    TextWriter& Separator();         // "-------"
    void Reserve(size_t bytes) { bytes_.reserve(bytes); }  // room for a text of about known size
    // A text Windows-1251 cannot hold is refused before anything is written.
    void Save(const std::string& path) const;
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
    std::string badText_;  // first text that could not be encoded
};

inline constexpr const char* kSeparator = "-------";

bool FileExists(const std::string& path);
void RemoveFile(const std::string& path);               // missing file is not an error
std::string ReadFileBytes(const std::string& path);     // "File not found"
// A folder kept open while many of its files are read (see ReadFileIfPresent).
class FolderHandle {
public:
    explicit FolderHandle(std::string folder);  // ends with "/"; a folder that cannot be opened is not used
    ~FolderHandle();
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;
    const std::string& folder() const { return folder_; }
    int fd() const { return fd_; }

private:
    std::string folder_;
    int fd_ = -1;
};

// Reads the file into `bytes`; false, with nothing read, where FileExists is false.
// `folder`, when given, is the open folder the file is in.
bool ReadFileIfPresent(const std::string& path, std::string& bytes, const FolderHandle* folder = nullptr);
// Opens a file that is created when missing: `create()` writes it first where FileExists is false.
template <class Create>
TextReader OpenOrCreate(const std::string& path, Create create, const FolderHandle* folder = nullptr) {
    std::string bytes;
    if (!ReadFileIfPresent(path, bytes, folder)) {
        create();
        bytes = ReadFileBytes(path);
    }
    return TextReader(std::move(bytes), path);
}
void WriteFileAtomically(const std::string& path, const std::string& bytes);
void MakeFolders(const std::string& folder);            // for the demo and tests

// A key that becomes a file name (surname, room, group, specialisation key) must be
// a plain file name: not empty, no "/", "\", "..", control characters, and only
// characters Windows-1251 can hold. Returns the reason for a refusal, or "" when the key is fine.
std::string FileNameProblem(const std::string& key);

// A count read from `path` must fit its table: beyond `capacity` (or below 0) the
// file is refused with a message naming the file and the limit.
void CheckCount(long count, int capacity, const std::string& path, const std::string& what);
