#pragma once

#include <cstddef>
#include <vector>

#include "platform/com/Variant.h"

namespace ghdb::driver {

// The values of a result, in fixed-size blocks: growing never moves the values already read.
// Blocks come from a process-wide pool of bounded size, so that reading a large result again
// reuses memory instead of having the system fault in fresh pages for every value.
class ValueStore {
public:
    ValueStore() = default;
    ValueStore(ValueStore&& other) noexcept;
    ValueStore& operator=(ValueStore&& other) noexcept;
    ValueStore(const ValueStore&) = delete;
    ValueStore& operator=(const ValueStore&) = delete;
    ~ValueStore();

    std::size_t size() const noexcept { return size_; }

    _variant_t& operator[](std::size_t i) noexcept { return blocks_[i >> kShift][i & kMask]; }
    const _variant_t& operator[](std::size_t i) const noexcept {
        return blocks_[i >> kShift][i & kMask];
    }

    void push_back(const _variant_t& value) {
        reserveOne();
        new (&(*this)[size_]) _variant_t(value);
        ++size_;
    }
    void push_back(_variant_t&& value) {
        reserveOne();
        new (&(*this)[size_]) _variant_t(std::move(value));
        ++size_;
    }

    // Moves every value of `other` to the end of this store.
    void append(ValueStore&& other);
    // Drops the values from `size` on; the blocks stay for the values added next.
    void truncate(std::size_t size) noexcept;

private:
    static constexpr std::size_t kShift = 12;
    static constexpr std::size_t kMask = (std::size_t{1} << kShift) - 1;

    void addBlock();
    void reserveOne() {
        if ((size_ & kMask) == 0 && (size_ >> kShift) == blocks_.size()) addBlock();
    }
    void release() noexcept;

    std::vector<_variant_t*> blocks_;  // raw storage; the first size_ values are constructed
    std::size_t size_ = 0;
};

}  // namespace ghdb::driver
