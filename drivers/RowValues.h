#pragma once

#include <cstddef>
#include <vector>

#include "platform/com/Variant.h"

namespace ghdb::driver {

// The values of a cursor's current row read so far: a column is converted at most once per row,
// and only when asked for. Each value keeps its text capacity from row to row.
class RowValues {
public:
    void resize(std::size_t width) {
        values_.resize(width);
        readAt_.assign(width, 0);
    }

    // The cursor moved to another row.
    void advance() noexcept { ++row_; }

    // Column `column` of the current row; `read(value)` converts it the first time it is asked.
    template <class Read>
    const _variant_t& get(std::size_t column, Read read) {
        _variant_t& value = values_[column];
        if (readAt_[column] != row_) {
            read(value);
            readAt_[column] = row_;
        }
        return value;
    }

private:
    std::size_t row_ = 0;
    std::vector<_variant_t> values_;
    std::vector<std::size_t> readAt_;  // the row at which each value was read
};

}  // namespace ghdb::driver
