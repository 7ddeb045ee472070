#pragma once

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
    virtual ~CBCAccessPtr();

    CBaseClassAccess* RefDBClassAccess() const noexcept { return access_; }
    // Holds `access` instead: a reference is added to it and the one held is released.
    void SetDBClassAccess(CBaseClassAccess* access);

private:
    CBaseClassAccess* access_ = nullptr;
};

}  // namespace ghdb
