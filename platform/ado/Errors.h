#pragma once

#include <string>
#include <vector>

namespace ghdb {

// One provider error, as the engine reported it.
struct Error {
    std::string Description;
    std::string Source;
    std::string SQLState;
    long NativeError = 0;
};

// The provider errors of the last failing call on a connection.
class Errors {
public:
    long GetCount() const noexcept { return static_cast<long>(items_.size()); }
    const Error& GetItem(long index) const { return items_.at(static_cast<std::size_t>(index)); }
    void Clear() noexcept { items_.clear(); }
    void Add(Error error) { items_.push_back(std::move(error)); }

private:
    std::vector<Error> items_;
};

}  // namespace ghdb
