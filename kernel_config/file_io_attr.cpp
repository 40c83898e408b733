// Attributes: extended attributes and POSIX ACLs, read as the kernel stores them. A copy of a file's
// attributes is all or nothing as far as the caller can tell: either every one of them stands on the new file,
// and no other, or the result is false. The mode of a new file follows the folder's default ACL where it has
// one, else the umask, as a plain creation would.
#include "file_io_internal.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <sys/xattr.h>

namespace fsys {
namespace detail {
namespace {

// The names of a file's extended attributes; a file system without any has none.
bool ListAttributes(int fd, std::vector<std::string>& names)
{
    names.clear();
    for (int attempt = 0; attempt < 8; ++attempt) {
        const ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size < 0) return errno == EOPNOTSUPP || errno == ENOSYS;
        std::string list(static_cast<std::size_t>(size), '\0');
        const ssize_t got = size == 0 ? 0 : ::flistxattr(fd, &list[0], list.size());
        if (got < 0 && errno == ERANGE) continue;
        if (got < 0) return false;
        for (std::size_t at = 0; at < static_cast<std::size_t>(got);) {
            const std::size_t end = list.find('\0', at);
            if (end == std::string::npos || end == at) break;
            names.push_back(list.substr(at, end - at));
            at = end + 1;
        }
        return true;
    }
    return false;
}

}  // namespace

// One attribute's value; false (errno ENODATA) when the file has none of that name.
bool GetAttribute(int fd, const char* path, const std::string& name, std::string& value)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        const ssize_t size = fd >= 0 ? ::fgetxattr(fd, name.c_str(), nullptr, 0)
                                     : ::getxattr(path, name.c_str(), nullptr, 0);
        if (size < 0) return false;
        value.assign(static_cast<std::size_t>(size), '\0');
        if (size == 0) return true;
        const ssize_t got = fd >= 0 ? ::fgetxattr(fd, name.c_str(), &value[0], value.size())
                                    : ::getxattr(path, name.c_str(), &value[0], value.size());
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE) return false;
    }
    return false;
}

extern const char kAccessAcl[];
const char kAccessAcl[] = "system.posix_acl_access";
const char kDefaultAcl[] = "system.posix_acl_default";
const char kCapability[] = "security.capability";


bool ParseAcl(const std::string& value, AclBits& bits)
{
    // A 4-byte version (2), then entries of a 2-byte tag, 2-byte permissions and a 4-byte id, little-endian.
    const auto at = [&](std::size_t pos, int size) {
        unsigned v = 0;
        for (int i = size - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(value[pos + i]);
        return v;
    };
    if (value.size() < 4 || (value.size() - 4) % 8 != 0 || at(0, 4) != 2) return false;
    for (std::size_t pos = 4; pos < value.size(); pos += 8) {
        const int perm = static_cast<int>(at(pos + 2, 2) & 7);
        switch (at(pos, 2)) {
        case 0x01: bits.user = perm; break;
        case 0x04: bits.group = perm; break;
        case 0x10: bits.mask = perm; break;
        case 0x20: bits.other = perm; break;
        default:
            bits.named &= perm;
            if (perm & 2) bits.writers.emplace_back(at(pos, 2) == 0x08, at(pos + 4, 4));
            break;
        }
    }
    return true;
}

// Gives to the extended attributes of from (the ACL included) and no others, its file capability only where
// asked; false when one cannot be set or removed, or those of from cannot be read.
bool CopyAttributes(int from, int to, bool capability)
{
    std::vector<std::string> wanted, present;
    if (!ListAttributes(from, wanted) || !ListAttributes(to, present)) return false;
    if (!capability) wanted.erase(std::remove(wanted.begin(), wanted.end(), kCapability), wanted.end());
    for (const std::string& name : present) {
        if (std::find(wanted.begin(), wanted.end(), name) == wanted.end() &&
            ::fremovexattr(to, name.c_str()) != 0 && errno != ENODATA) {
            return false;
        }
    }
    for (const std::string& name : wanted) {
        std::string value, current;
        if (!GetAttribute(from, nullptr, name, value)) {
            if (errno == ENODATA) continue;
            return false;
        }
        if (GetAttribute(to, nullptr, name, current) && current == value) continue;
        if (::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) != 0) return false;
    }
    return true;
}

// The mode a file created with 0666 in the folder would get: its default ACL, where it has one, takes the
// place of the umask.
mode_t NewFileMode(int dir)
{
    std::string value;
    AclBits acl;
    const std::string self = "/proc/self/fd/" + std::to_string(dir);
    if (GetAttribute(-1, self.c_str(), kDefaultAcl, value) && ParseAcl(value, acl) && acl.user >= 0 &&
        acl.other >= 0) {
        const int group = acl.mask >= 0 ? acl.mask : std::max(acl.group, 0);
        return static_cast<mode_t>(0666 & ((acl.user << 6) | (group << 3) | acl.other));
    }
    mode_t mask = 022;
    if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned value8 = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status) != nullptr) {
            found = std::sscanf(line, "Umask: %o", &value8) == 1;
        }
        std::fclose(status);
        if (found) mask = static_cast<mode_t>(value8);
    } else {
        mask = ::umask(022);
        ::umask(mask);
    }
    return static_cast<mode_t>(0666 & ~mask);
}

}  // namespace detail
}  // namespace fsys
