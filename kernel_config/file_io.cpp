// The small file layer under the document: see file_io.h.
#include "file_io.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fsys {
namespace {

bool WriteAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The file a write should replace: the final target when path is a symbolic link.
std::string ResolveTarget(const std::string& path)
{
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::vector<char> buffer(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
        const ssize_t n = ::readlink(current.c_str(), buffer.data(), buffer.size() - 1);
        if (n < 0) return current;
        std::string target(buffer.data(), static_cast<std::size_t>(n));
        current = (!target.empty() && target[0] == '/') ? target : FolderOf(current) + "/" + target;
    }
    return current;
}

bool WriteInPlace(const std::string& path, const std::string& text)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    const bool ok = WriteAll(fd, text);
    return (::close(fd) == 0) && ok;
}

}  // namespace

InFile::~InFile() { Close(); }

bool InFile::Open(const std::string& path)
{
    Close();
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    return m_fd >= 0;
}

long InFile::Read(char* buffer, std::size_t size)
{
    if (m_fd < 0) return -1;
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, size);
        if (n < 0 && errno == EINTR) continue;
        return static_cast<long>(n);
    }
}

bool InFile::Close()
{
    if (m_fd < 0) return true;
    const int rc = ::close(m_fd);
    m_fd = -1;
    return rc == 0;
}

bool Exists(const std::string& path)
{
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

bool IsDirectory(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsReadOnly(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool WriteWhole(const std::string& path, const std::string& text)
{
    if (path.empty()) return false;
    const std::string target = ResolveTarget(path);
    struct stat old;
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) return false;

    std::string temp = FolderOf(target) + "/.qvtmp-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        // No temporary file can be made beside the target (a missing folder fails here too).
        return WriteInPlace(target, text);
    }
    mode_t mode = 0;
    if (existed) {
        mode = old.st_mode & 07777;
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Only root may give the file back to its owner; anyone else keeps their own ownership.
        }
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = WriteAll(fd, text) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

bool CopyNew(const std::string& from, const std::string& to)
{
    struct stat st;
    if (::stat(from.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    InFile in;
    if (!in.Open(from)) return false;
    const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, st.st_mode & 07777);
    if (fd < 0) return false;
    std::vector<char> buffer(64 * 1024);
    bool ok = true;
    for (;;) {
        const long n = in.Read(buffer.data(), buffer.size());
        if (n == 0) break;
        if (n < 0 || !WriteAll(fd, std::string(buffer.data(), static_cast<std::size_t>(n)))) {
            ok = false;
            break;
        }
    }
    ok = ok && ::fchmod(fd, st.st_mode & 07777) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok) ::unlink(to.c_str());
    return ok;
}

std::string CurrentDir()
{
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1u << 20)) return std::string();
        buffer.resize(buffer.size() * 2);
    }
    return std::string(buffer.data());
}

Date LocalToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace fsys
