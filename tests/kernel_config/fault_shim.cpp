// A preloaded library for the fault tests that makes chosen calls fail or fall short. QV_FAULT lists faults as
// "call:action:n" joined by commas: call is write, ftruncate, fsync, flock, fallocate (posix_fallocate too),
// fsetxattr or tmpfile (an openat with O_TMPFILE); action an errno name, "short" (a write of half the bytes)
// or "zero" (a write of none); n the call of that kind that fails, counted from 1, or 0 for every call.
// Also thread (pthread_create), renameat, renameat2, linkat, unlinkat, openat2 and look (fstatat, or an openat that
// creates nothing); "slow" makes a call take 0.8 s; a fourth part, ":name", counts only calls on an entry of that
// name.
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

// The action for this call of that kind, or nullptr when it goes through.
const char* Hit(const char* call, const char* path = nullptr)
{
    static long seen[16];
    static char action[16][16];
    const char* rule = std::getenv("QV_FAULT");
    const char* hit = nullptr;
    const char* entry = path == nullptr ? "" : std::strrchr(path, '/') ? std::strrchr(path, '/') + 1 : path;
    for (int i = 0; rule != nullptr && *rule != '\0' && i < 16; ++i) {
        char name[16] = "", only[64] = "";
        long n = -1;
        const int parts = std::sscanf(rule, "%15[^:]:%15[^:]:%ld:%63[^,]", name, action[i], &n, only);
        if (parts >= 3 && std::strcmp(name, call) == 0 && (parts == 3 || std::strcmp(entry, only) == 0) &&
            (++seen[i] == n || n == 0) && hit == nullptr) {
            hit = action[i];
        }
        rule = std::strchr(rule, ',') ? std::strchr(rule, ',') + 1 : "";
    }
    if (hit == nullptr || std::strcmp(hit, "slow") != 0) return hit;
    ::usleep(800000);  // then it goes through
    return nullptr;
}

int Fail(const char* action)
{
    static const struct { const char* name; int value; } names[] = {
        {"ENOSPC", ENOSPC}, {"ENOLCK", ENOLCK}, {"EINTR", EINTR}, {"EOPNOTSUPP", EOPNOTSUPP},
        {"EWOULDBLOCK", EWOULDBLOCK}, {"EPERM", EPERM}, {"ENOENT", ENOENT}, {"EINVAL", EINVAL}, {"EAGAIN", EAGAIN}};
    errno = EIO;
    for (const auto& n : names) errno = std::strcmp(n.name, action) == 0 ? n.value : errno;
    return -1;
}

}  // namespace

#define QV_NEXT(name) reinterpret_cast<decltype(&name)>(::dlsym(RTLD_NEXT, #name))
#define QV_FAULTY(call, name, ...)                        \
    if (const char* action = Hit(call)) return Fail(action); \
    return QV_NEXT(name)(__VA_ARGS__);

extern "C" {

ssize_t write(int fd, const void* data, size_t size)
{
    const char* action = Hit("write");
    if (action != nullptr && std::strcmp(action, "zero") == 0) return 0;
    if (action != nullptr && std::strcmp(action, "short") != 0) return Fail(action);
    return QV_NEXT(write)(fd, data, action != nullptr && size > 1 ? size / 2 : size);
}
int pthread_create(pthread_t* thread, const pthread_attr_t* attr, void* (*start)(void*), void* arg)
{
    const char* action = Hit("thread");
    return action != nullptr ? (Fail(action), errno) : QV_NEXT(pthread_create)(thread, attr, start, arg);
}
int ftruncate(int fd, off_t size) { QV_FAULTY("ftruncate", ftruncate, fd, size) }
int fsync(int fd) { QV_FAULTY("fsync", fsync, fd) }
int flock(int fd, int op) { QV_FAULTY("flock", flock, fd, op) }
int fallocate(int fd, int mode, off_t at, off_t size) { QV_FAULTY("fallocate", fallocate, fd, mode, at, size) }
int fsetxattr(int fd, const char* name, const void* value, size_t size, int flags)
{
    QV_FAULTY("fsetxattr", fsetxattr, fd, name, value, size, flags)
}
int posix_fallocate(int fd, off_t at, off_t size)
{
    const char* action = Hit("fallocate");
    return action != nullptr ? (Fail(action), errno) : QV_NEXT(posix_fallocate)(fd, at, size);
}
int openat(int dir, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) != 0 ? static_cast<mode_t>(va_arg(args, int)) : 0;
    va_end(args);
    const char* action = (flags & O_TMPFILE) == O_TMPFILE ? Hit("tmpfile") : nullptr;
    if ((flags & O_TMPFILE) != O_TMPFILE && (flags & O_CREAT) == 0) action = Hit("look", path);
    if (action != nullptr) return Fail(action);
    return QV_NEXT(openat)(dir, path, flags, mode);
}
int fstatat(int dir, const char* path, struct stat* st, int flags)
{
    if (const char* action = Hit("look", path)) return Fail(action);
    return QV_NEXT(fstatat)(dir, path, st, flags);
}
int renameat(int from, const char* a, int to, const char* b) { QV_FAULTY("renameat", renameat, from, a, to, b) }
int renameat2(int from, const char* a, int to, const char* b, unsigned flags)
{
    QV_FAULTY("renameat2", renameat2, from, a, to, b, flags)
}
int linkat(int from, const char* a, int to, const char* b, int flags)
{
    QV_FAULTY("linkat", linkat, from, a, to, b, flags)
}
int unlinkat(int dir, const char* name, int flags) { QV_FAULTY("unlinkat", unlinkat, dir, name, flags) }
long syscall(long number, ...)
{
    va_list args;
    va_start(args, number);
    long a[6];
    for (long& arg : a) arg = va_arg(args, long);
    va_end(args);
    if (const char* action = number == SYS_openat2 ? Hit("openat2") : nullptr) return Fail(action);
    return QV_NEXT(syscall)(number, a[0], a[1], a[2], a[3], a[4], a[5]);
}

}  // extern "C"
