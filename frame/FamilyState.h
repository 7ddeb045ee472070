#pragma once

#include <memory>

namespace ghdb {

// Deletes the state object of a family (its caches). The access object holds each family's
// state by a forward declaration only; the family declares `void DeleteFamilyState(T*)
// noexcept;` next to that declaration and defines it where T is complete.
struct FamilyStateDeleter {
    template <class State>
    void operator()(State* state) const noexcept {
        DeleteFamilyState(state);
    }
};

template <class State>
using FamilyState = std::unique_ptr<State, FamilyStateDeleter>;

}  // namespace ghdb
