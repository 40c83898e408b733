// Small helpers shared by the block generators of the three kernel files.
#pragma once

#include <algorithm>

#include "conf_info.h"

namespace qvgen {

// Loops over ids never leave the 127 slots of a table, whatever the count field holds.
inline int RowCount(int count)
{
    return std::clamp(count, 0, kMaxObjects);
}

}  // namespace qvgen
