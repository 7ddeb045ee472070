#pragma once

#include "platform/mfc/CString.h"

namespace ghdb {

// A text value to be placed between single quotes in a statement: each apostrophe is doubled
// so that the value can neither end the literal early nor change the statement.
inline CString QuoteText(const CString& text) {
    CString quoted(text);
    quoted.Replace("'", "''");
    return quoted;
}

}  // namespace ghdb
