#include "drivers/ValueStore.h"

#include <mutex>
#include <new>

namespace ghdb::driver {

namespace {

constexpr std::size_t kBlockBytes = (std::size_t{1} << 12) * sizeof(_variant_t);
// The pool keeps at most this many idle blocks (about 96 MB): enough to read a table of
// 100,000 rows of 20 columns again without new pages, bounded so that an idle process does
// not hold more.
constexpr std::size_t kPoolLimit = 512;

struct BlockPool {
    std::mutex mutex;
    std::vector<void*> idle;

    ~BlockPool() {
        for (void* block : idle) ::operator delete(block);
    }
};

BlockPool& Pool() {
    static BlockPool pool;
    return pool;
}

}  // namespace

ValueStore::ValueStore(ValueStore&& other) noexcept
    : blocks_(std::move(other.blocks_)), size_(other.size_) {
    other.blocks_.clear();
    other.size_ = 0;
}

ValueStore& ValueStore::operator=(ValueStore&& other) noexcept {
    if (this != &other) {
        release();
        blocks_ = std::move(other.blocks_);
        size_ = other.size_;
        other.blocks_.clear();
        other.size_ = 0;
    }
    return *this;
}

ValueStore::~ValueStore() {
    release();
}

void ValueStore::addBlock() {
    void* block = nullptr;
    {
        BlockPool& pool = Pool();
        std::lock_guard<std::mutex> lock(pool.mutex);
        if (!pool.idle.empty()) {
            block = pool.idle.back();
            pool.idle.pop_back();
        }
    }
    if (!block) block = ::operator new(kBlockBytes);
    blocks_.push_back(static_cast<_variant_t*>(block));
}

void ValueStore::release() noexcept {
    for (std::size_t i = 0; i < size_; ++i) (*this)[i].~_variant_t();
    BlockPool& pool = Pool();
    std::lock_guard<std::mutex> lock(pool.mutex);
    for (_variant_t* block : blocks_) {
        if (pool.idle.size() < kPoolLimit)
            pool.idle.push_back(block);
        else
            ::operator delete(block);
    }
    blocks_.clear();
    size_ = 0;
}

void ValueStore::truncate(std::size_t size) noexcept {
    for (std::size_t i = size; i < size_; ++i) (*this)[i].~_variant_t();
    if (size < size_) size_ = size;
}

void ValueStore::append(ValueStore&& other) {
    for (std::size_t i = 0; i < other.size_; ++i) push_back(std::move(other[i]));
    other.release();
}

}  // namespace ghdb::driver
