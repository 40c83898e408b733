// Whether a task entry function or cyclic-handler function name may be written into the kernel files.
#pragma once

#include <string>

// 1 = acceptable, 0 = not acceptable (leading digit, a forbidden character, a reserved word, a name that
// would not read back (see IsReadBackName), or one that the CPU analysis of config.c would read as well).
int IsValidCName(const std::string& name);

// 1 when the readers of config.c and kinit.c get the name back unchanged for its own entry, and the text
// around it unchanged too: not empty, no white space or control character, none of the characters that end
// or split the rows and calls the name stands in ("{", "}", ";", ",", "(", ")"), no comment opener, no word
// that a reader looks for in that text, and under Shift-JIS no lead byte left without its second byte.
int IsReadBackName(const std::string& name);
