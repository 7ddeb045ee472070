#pragma once

#include "platform/mfc/CString.h"

namespace ghdb {

// The name of this machine (the host name); empty when it cannot be read.
CString GetComputerName();

}  // namespace ghdb
