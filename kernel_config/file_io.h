// The small file layer under the document: existence and read-only tests, whole-file reading in pieces,
// atomic whole-file writing, copying without overwriting, the current folder and the local date.
#pragma once

#include <cstddef>
#include <string>

namespace fsys {

// A file opened for reading; closed by the destructor. No operation throws.
class InFile {
public:
    InFile() = default;
    InFile(const InFile&) = delete;
    InFile& operator=(const InFile&) = delete;
    ~InFile();
    bool Open(const std::string& path);
    // Bytes read (0 at the end), or -1 on a read error (a folder opened as a file reads as an error).
    long Read(char* buffer, std::size_t size);
    bool Close();

private:
    int m_fd = -1;
};

// Any directory entry of that name: file, folder, or a link that resolves.
bool Exists(const std::string& path);
bool IsDirectory(const std::string& path);
// An existing entry whose mode has no write bit at all, whoever runs the program.
bool IsReadOnly(const std::string& path);

// Replaces the whole content of path with text. The text goes to a temporary file in the same folder that
// is then renamed over the target (keeping the target's permission bits, owner, and following a symbolic
// link to its target), so a failure leaves the old file as it was. When no temporary file can be made there,
// the file is written in place. False on any failure.
bool WriteWhole(const std::string& path, const std::string& text);

// Copies the bytes and permission bits of from to a new file to; never overwrites an existing entry.
bool CopyNew(const std::string& from, const std::string& to);

// The process's current folder, "" when it cannot be read.
std::string CurrentDir();

struct Date {
    int year;
    int month;  // 1..12
    int day;    // 1..31
};
Date LocalToday();

}  // namespace fsys
