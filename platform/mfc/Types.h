#pragma once

// The Windows scalar names that host code and record classes are written with.

namespace ghdb {

// unixODBC's sqltypes.h defines BOOL as a macro for int; when it came first, BOOL already
// spells the same type and declaring it again would not compile.
#ifndef BOOL
using BOOL = int;
#endif

using UINT = unsigned int;

}  // namespace ghdb

#ifndef TRUE
#define TRUE 1
#endif

#ifndef FALSE
#define FALSE 0
#endif
