#include "platform/win/ComputerName.h"

#include <unistd.h>

#include <climits>

namespace ghdb {

CString GetComputerName() {
    // One byte more than gethostname may fill, so the name is always terminated even when
    // the system truncates it.
    char name[HOST_NAME_MAX + 2] = {};
    if (gethostname(name, HOST_NAME_MAX + 1) != 0) return {};
    return CString(name);
}

}  // namespace ghdb
