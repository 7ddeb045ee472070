#pragma once

#include <memory>

namespace ghdb {

// What a copy of a record does with the kids its original holds.
enum class KidCopy {
    Reload,  // the copy holds none and loads its own on first use
    Deep,    // the copy holds copies of the kids
};

// The kids of a record (a set such as COwningSet), made on first use and deleted with the
// record. Copying follows `Policy`, so that a record holding kids can keep its copies defaulted.
template <class Set, KidCopy Policy>
class CKidHolder {
public:
    CKidHolder() = default;
    CKidHolder(const CKidHolder& other) : set_(CopyOf(other)) {}
    CKidHolder& operator=(const CKidHolder& other) {
        if (this != &other) set_ = CopyOf(other);
        return *this;
    }
    CKidHolder(CKidHolder&&) noexcept = default;
    CKidHolder& operator=(CKidHolder&&) noexcept = default;
    ~CKidHolder() = default;

    // The kids when they have been made, else null.
    Set* Get() const noexcept { return set_.get(); }
    // The kids; on first use an empty set is made and handed to `load(set)` to fill.
    template <class Fill>
    Set& Load(Fill load) {
        if (!set_) {
            set_ = std::make_unique<Set>();
            load(*set_);
        }
        return *set_;
    }
    // The kids, made empty on first use.
    Set& Ref() {
        return Load([](Set&) {});
    }
    // Replaces the kids by an empty set.
    Set& Renew() {
        set_ = std::make_unique<Set>();
        return *set_;
    }
    // Deletes the kids; they are made again on next use.
    void Clear() noexcept { set_.reset(); }

private:
    static std::unique_ptr<Set> CopyOf(const CKidHolder& other) {
        if constexpr (Policy == KidCopy::Deep) {
            if (other.set_) {
                auto copy = std::make_unique<Set>();
                copy->AppendFrom(*other.set_);
                return copy;
            }
        }
        return nullptr;
    }

    std::unique_ptr<Set> set_;
};

}  // namespace ghdb
