// A preloaded library for the fault tests: it makes chosen calls of the file layer fail or fall short.
// QV_FAULT lists faults as "call:action:n" joined by commas. call is write, ftruncate, fsync, flock,
// fallocate (posix_fallocate too), fsetxattr or tmpfile (an open with O_TMPFILE); action is an errno name
// (EIO, ENOSPC, ENOLCK, EINTR, EOPNOTSUPP, EWOULDBLOCK, EPERM), "short" (a write of half the bytes) or "zero"
// (a write of none); n is the call of that kind that fails, counted from 1, or 0 for every call.
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/types.h>

namespace {

struct Fault {
    std::string call, action;
    long n;
    long seen;
};

Fault g_faults[16];
int g_count = -1;

void Load()
{
    g_count = 0;
    const char* spec = std::getenv("QV_FAULT");
    std::string rest = spec != nullptr ? spec : "";
    while (!rest.empty() && g_count < 16) {
        const std::size_t comma = rest.find(',');
        const std::string item = rest.substr(0, comma);
        rest = comma == std::string::npos ? "" : rest.substr(comma + 1);
        const std::size_t a = item.find(':'), b = item.find(':', a + 1);
        if (a == std::string::npos || b == std::string::npos) continue;
        g_faults[g_count++] = {item.substr(0, a), item.substr(a + 1, b - a - 1), std::atol(item.c_str() + b + 1), 0};
    }
}

// The action for this call of that kind, or nullptr when it goes through.
const char* Hit(const char* call)
{
    if (g_count < 0) Load();
    const char* action = nullptr;
    for (int i = 0; i < g_count; ++i) {
        Fault& f = g_faults[i];
        if (f.call != call) continue;
        ++f.seen;
        if (action == nullptr && (f.n == 0 || f.n == f.seen)) action = f.action.c_str();
    }
    return action;
}

int ErrnoOf(const char* action)
{
    static const struct { const char* name; int value; } names[] = {
        {"EIO", EIO}, {"ENOSPC", ENOSPC}, {"ENOLCK", ENOLCK}, {"EINTR", EINTR}, {"EOPNOTSUPP", EOPNOTSUPP},
        {"EWOULDBLOCK", EWOULDBLOCK}, {"EPERM", EPERM}};
    for (const auto& n : names) {
        if (std::strcmp(n.name, action) == 0) return n.value;
    }
    return EIO;
}

template <typename F>
F Next(const char* name)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

ssize_t write(int fd, const void* data, size_t size)
{
    static auto real = Next<ssize_t (*)(int, const void*, size_t)>("write");
    if (const char* action = Hit("write")) {
        if (std::strcmp(action, "zero") == 0) return 0;
        if (std::strcmp(action, "short") == 0) return real(fd, data, size > 1 ? size / 2 : size);
        errno = ErrnoOf(action);
        return -1;
    }
    return real(fd, data, size);
}

#define QV_FAIL_OR_CALL(call, realName, type, ...)                                                            \
    static auto real = Next<type>(realName);                                                                  \
    if (const char* action = Hit(call)) {                                                                     \
        errno = ErrnoOf(action);                                                                              \
        return -1;                                                                                            \
    }                                                                                                         \
    return real(__VA_ARGS__);

int ftruncate(int fd, off_t size) { QV_FAIL_OR_CALL("ftruncate", "ftruncate", int (*)(int, off_t), fd, size) }
int fsync(int fd) { QV_FAIL_OR_CALL("fsync", "fsync", int (*)(int), fd) }
int flock(int fd, int op) { QV_FAIL_OR_CALL("flock", "flock", int (*)(int, int), fd, op) }
int fallocate(int fd, int mode, off_t at, off_t size)
{
    QV_FAIL_OR_CALL("fallocate", "fallocate", int (*)(int, int, off_t, off_t), fd, mode, at, size)
}
int fsetxattr(int fd, const char* name, const void* value, size_t size, int flags)
{
    QV_FAIL_OR_CALL("fsetxattr", "fsetxattr", int (*)(int, const char*, const void*, size_t, int), fd, name,
                    value, size, flags)
}

int posix_fallocate(int fd, off_t at, off_t size)
{
    static auto real = Next<int (*)(int, off_t, off_t)>("posix_fallocate");
    if (const char* action = Hit("fallocate")) return ErrnoOf(action);
    return real(fd, at, size);
}

int openat(int dir, const char* path, int flags, ...)
{
    static auto real = Next<int (*)(int, const char*, int, ...)>("openat");
    mode_t mode = 0;
    if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list args;
        va_start(args, flags);
        mode = static_cast<mode_t>(va_arg(args, int));
        va_end(args);
    }
    if ((flags & O_TMPFILE) == O_TMPFILE) {
        if (const char* action = Hit("tmpfile")) {
            errno = ErrnoOf(action);
            return -1;
        }
    }
    return real(dir, path, flags, mode);
}

}  // extern "C"
