#pragma once

#include <string>
#include <unordered_map>

#include "config/ConfigItem.h"
#include "platform/mfc/CArray.h"

namespace ghdb {

class CBaseClassAccess;

// The settings a configuration cache keeps: the rows of GH_ConfigInfo as first read, then
// changed in memory, and where the last item of each name lies, so that a look-up by name
// costs one hash look-up however many settings there are.
class CConfigItemCache {
public:
    // Reads every setting through `access`; a failed read leaves what was read.
    explicit CConfigItemCache(CBaseClassAccess& access);

    // The last item named `name` (names compared exactly); an empty item of that name is
    // appended when there is none.
    _tagCONFIGITEM& Item(const CString& name);
    CArray<_tagCONFIGITEM, _tagCONFIGITEM&>& Items() { return items_; }

private:
    CArray<_tagCONFIGITEM, _tagCONFIGITEM&> items_;
    // Keyed by the standard string, whose hash the map keeps beside each name: a look-up then
    // compares stored hashes rather than rehashing and reading the names in the bucket.
    std::unordered_map<std::string, int> lastOfName_;
};

}  // namespace ghdb
