// Whether a task entry function or cyclic-handler function name may be written into the kernel files.
#pragma once

#include <string>

// The kernel file a function name is written into: task names go into config.c only, cyclic-handler names
// into kinit.c only.
enum class NameFile { Config, Kinit };

// 1 = acceptable, 0 = not acceptable (leading digit, a forbidden character, a reserved word, a name that
// config.c would not give back (see IsReadBackName), or a CPU name that the CPU analysis of config.c
// would read as well: harmless under the CPU configured now, lost after a later change of it).
int IsValidCName(const std::string& name);

// 1 when the readers of the given file get the name back unchanged, and the rest of the file unchanged too,
// on any CPU type and with any kind of object used or not: not empty, no white space at either end, no
// character that ends the table row or call argument the name stands in, no word that a reader of that
// file looks for and would find in the name first, and, for kinit.c under Shift-JIS, no lead byte left
// without its second byte.
int IsReadBackName(const std::string& name, NameFile file);
