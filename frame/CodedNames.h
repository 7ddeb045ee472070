#pragma once

#include <span>

#include "platform/mfc/CString.h"

namespace ghdb {

// A small integer code and the fixed text that hosts show for it.
struct CodedName {
    long code;
    const char* name;
};

// The name of `code`, or an empty string when the table has no such code.
inline CString NameOfCode(std::span<const CodedName> table, long code) {
    for (const CodedName& entry : table)
        if (entry.code == code) return entry.name;
    return CString();
}

// The code of the first entry named exactly `name` (case and blanks count), or -1.
inline long CodeOfName(std::span<const CodedName> table, const CString& name) {
    for (const CodedName& entry : table)
        if (name == entry.name) return entry.code;
    return -1;
}

}  // namespace ghdb
