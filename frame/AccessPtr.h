#pragma once

#include <utility>

namespace ghdb {

class CBaseClassAccess;

// Holds one counted reference to an access object, so that whatever holds one (every record)
// keeps its access object alive.
class CBCAccessPtr {
public:
    CBCAccessPtr() = default;
    CBCAccessPtr(CBaseClassAccess* access);
    CBCAccessPtr(const CBCAccessPtr& other);
    CBCAccessPtr& operator=(const CBCAccessPtr& other);
    // A move hands the reference over: `other` holds none afterwards. Records move when the
    // arrays that hold them grow.
    CBCAccessPtr(CBCAccessPtr&& other) noexcept : access_(std::exchange(other.access_, nullptr)) {}
    CBCAccessPtr& operator=(CBCAccessPtr&& other) noexcept;
    virtual ~CBCAccessPtr();

    CBaseClassAccess* RefDBClassAccess() const noexcept { return access_; }
    // Holds `access` instead: a reference is added to it and the one held is released.
    void SetDBClassAccess(CBaseClassAccess* access);

private:
    CBaseClassAccess* access_ = nullptr;
};

}  // namespace ghdb
