// The small file layer under the document: existence and read-only tests, whole reading of regular files,
// whole-file writing that never leaves a file cut, copying to a free name, the current folder and the local date.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace fsys {

// Every question and operation below walks a path the same way, so that they agree on what it names. Each name on
// the way is looked up once: all that is decided about it and done with it (a link's owner and text, the file
// read or written) comes from one descriptor of it, so that a name swapped meanwhile changes nothing that was
// decided. Symbolic links are followed as the kernel follows them for this process, with its rule for shared
// folders always applied: in a sticky, world-writable folder a link is followed only when the follower or the
// folder's owner owns it. Links of proc (/proc/PID/root/..., /proc/PID/fd/N) are opened by the kernel, and the
// walk goes on from what it opened. Reads and the questions follow no other rule. Where something is written (a
// file replaced or written in place, a new file, a backup's new file) or copied (a backup's source), a name that
// another user may have put on the way leads nowhere he could not write (for a copy, read) himself. Who may have
// put a name there: the owner of a symbolic link; the owner of the folder that holds a link or a file with
// several names, whatever its mode; and where that folder is not sticky, any member of its group, the users and
// groups that its ACL names, and anyone else, as far as its mode lets them write it, since they may have renamed
// any name into place (in a sticky folder, they too for a second name where fs.protected_hardlinks lets anyone
// link any file). Each of them other than the caller and root must be able to write (read) the file the name
// leads to, or make a new file in its folder, and search each folder from his name on; a group's members are
// judged as such, by its bits, and everyone else by the others' bits. A backup's folder is judged so whatever
// stands under the name that the copy takes. "May" is the kernel's answer for him (for a class, for a user of it
// who owns nothing), with the groups the account database gives him and no capability, where the caller is root
// (ACLs count then); where that answer cannot be had for certain, it is no. Any other caller reads the modes as
// the kernel applies them: the owner's bits, else the group's for a member, else the others', with no ACL
// consulted. A membership that the account database cannot tell counts against him. A write through another
// user's link gives no privilege that his own write would not: the file loses its set-user-id bit, its
// set-group-id bit where its group may execute it, and its file capability. A refused write fails as that write
// (false, or no backup), never as a missing file. A file name followed by "/" or "/." names nothing, as for the
// kernel, and paths longer than the kernel takes are walked all the same.

// What one read takes at most: 64 MiB, hundreds of times the largest configuration's three files (about 100 kB
// together) and several times the largest text that Linux itself serves (its symbol table, 5 to 15 MB), while a
// read that stops there holds about 130 MB at most, for a moment, and ends within a fraction of a second.
constexpr std::size_t kReadLimit = std::size_t(64) << 20;

// Reads a regular file whole. Anything else (missing, a folder, a FIFO, a device, a socket, or a link to one) is
// refused at once without waiting on it, as is a read error. No FIFO, device or socket is ever opened, however
// names on the way are swapped meanwhile: the name is opened without reading, judged on that descriptor, and the
// very file judged is read (where nobody but the caller and root may change its folder, it is looked at and
// opened by name, as nobody can swap it there). A file larger than kReadLimit is refused before any byte is
// read, and a read that goes on beyond it (a proc file that never ends) fails there. No operation of this layer
// throws.
bool ReadRegular(const std::string& path, std::string& bytes);

// Any directory entry of that name: file, folder, or a link that resolves.
bool Exists(const std::string& path);
bool IsDirectory(const std::string& path);
// An existing entry whose mode has no write bit at all, whoever runs the program.
bool IsReadOnly(const std::string& path);

// Replaces the whole content of path (through symbolic links) with text: the new text stands whole, or the old
// bytes are kept, with two exceptions below. A file the caller may not write is not written.
// The text is normally built in a private temporary file beside the target and renamed over it, keeping
// owner, group, mode and extended attributes (the ACL included). Where that cannot keep them all, or would
// split hard links, or the folder refuses new entries or gives up no name (append-only, immutable, flags that
// cannot be read, or a rename refused), or the name is a mount point, the file is overwritten in place: its new
// length is reserved on the disk where the file system can, and when a later step fails the old bytes are put
// back before false is returned. A new file appears under its name only when whole. When another writer
// replaces the file at the same moment, the last whole text stands and both results are true. A temporary
// file left by a killed writer is removed by the next writer into the folder, whoever owns it, where he may
// remove it: only a name of the exact form this layer gives them (".qvtmp-" process id, moment, count), and only
// when the lock that a living writer holds on his file can be taken; on file systems without locks, when the
// process of that id is gone or started after the file last changed. One that the folder keeps (a folder that
// refuses removal without saying so, as FUSE over an append-only one) makes every later write there in place, and
// new files and backups there are then made only where the file system offers unnamed temporary files, so the
// folder keeps at most one such file (one per writer still running).
// Exceptions: when the folder cannot be synced after the rename, the result is false while the new text
// stands (it may not survive a power loss); and a file that the caller may write but not read is not put back
// after a failed write in place, so it may be left cut or mixed.
bool WriteWhole(const std::string& path, const std::string& text);

// Copies the regular file from, bytes and modification time, to the first of names (all in one folder) that
// no entry of any kind takes, dangling links included. The source is read first, as ReadRegular reads; missing
// is set when it is not there as Exists sees it (nothing of that name, or a link that leads round in a loop;
// looked at again, as every read is, when its name is missing for a moment), and not for any other failure.
// The time is kept as closely as the folder's file system holds it; only a failed copy of the bytes
// fails. The copy keeps the source's owner and group where the caller may set them; its mode never lets anyone
// read, write or run it who could not do so with the source (no set-id or sticky bit, no ACL), and a copy that
// its file system shows as neither the source's owner's nor the caller's (a FUSE mount that shows every file as
// one user's, a network disk that maps root to nobody) is removed and fails. Nothing is ever replaced and no two
// copies take one name, whoever is slow: the name is taken by a step that fails where any entry stands. The copy
// appears under its name only when whole, except on file systems with neither an exclusive rename nor hard links
// (FAT): there the name is taken by an exclusive create, and an empty file stands under it until the whole copy
// is moved onto it (for good, when the writer is killed in that moment). The name used, or "" when every name is
// taken or the copy fails, and also when the folder cannot be synced after the copy was named (the copy then
// stands).
std::string CopyToFirstFree(const std::string& from, const std::vector<std::string>& names, bool& missing);

// The process's current folder, "" when it cannot be read.
std::string CurrentDir();

struct Date {
    int year;
    int month;  // 1..12
    int day;    // 1..31
};
Date LocalToday();

}  // namespace fsys
