#include "frame/AccessPtr.h"

#include "frame/BaseClassAccess.h"

namespace ghdb {

CBCAccessPtr::CBCAccessPtr(CBaseClassAccess* access) : access_(access) {
    if (access_) access_->AddReference();
}

CBCAccessPtr::CBCAccessPtr(const CBCAccessPtr& other) : CBCAccessPtr(other.access_) {}

CBCAccessPtr& CBCAccessPtr::operator=(const CBCAccessPtr& other) {
    SetDBClassAccess(other.access_);
    return *this;
}

CBCAccessPtr& CBCAccessPtr::operator=(CBCAccessPtr&& other) noexcept {
    if (&other == this) return *this;
    CBaseClassAccess* previous = std::exchange(access_, std::exchange(other.access_, nullptr));
    if (previous) previous->ReleaseInstance();
    return *this;
}

CBCAccessPtr::~CBCAccessPtr() {
    if (access_) access_->ReleaseInstance();
}

void CBCAccessPtr::SetDBClassAccess(CBaseClassAccess* access) {
    if (access == access_) return;
    if (access) access->AddReference();
    CBaseClassAccess* previous = access_;
    access_ = access;
    if (previous) previous->ReleaseInstance();
}

}  // namespace ghdb
