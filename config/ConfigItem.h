#pragma once

#include "platform/mfc/CString.h"

namespace ghdb {

// One named setting of the configuration database (GH_ConfigInfo): a plain value, copied as
// such. Values are always text.
struct _tagCONFIGITEM {
    CString ConfigItemName;
    CString ConfigItemValue;
    CString ConfigRemark;
};

}  // namespace ghdb
