#include "config/ConfigItemCache.h"

#include "frame/BaseClassAccess.h"

namespace ghdb {

CConfigItemCache::CConfigItemCache(CBaseClassAccess& access) {
    items_.SetSize(0, 10);
    access.GetConfigItems(items_);
    lastOfName_.reserve(static_cast<std::size_t>(items_.GetSize()));
    for (int i = 0; i < items_.GetSize(); ++i) lastOfName_[items_[i].ConfigItemName.str()] = i;
}

_tagCONFIGITEM& CConfigItemCache::Item(const CString& name) {
    const auto [found, added] = lastOfName_.try_emplace(name.str(), items_.GetSize());
    if (added) {
        _tagCONFIGITEM item;
        item.ConfigItemName = name;
        items_.Add(item);
    }
    return items_[found->second];
}

}  // namespace ghdb
