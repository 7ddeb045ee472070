#include "catalogue/CatalogueCache.h"

#include "frame/BaseClassAccess.h"

namespace ghdb {

void DeleteFamilyState(CCatalogueCache* state) noexcept {
    delete state;
}

CCatalogueCache& CBaseClassAccess::Catalogue() {
    if (!catalogue_) catalogue_.reset(new CCatalogueCache);
    return *catalogue_;
}

}  // namespace ghdb
