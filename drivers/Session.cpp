#include "drivers/Session.h"

namespace ghdb::driver {

namespace {

class ReadCursor final : public Cursor {
public:
    explicit ReadCursor(RowSet set) : set_(std::move(set)) { columns_ = set_.columns; }

    bool next() override {
        if (next_ >= set_.rows()) return false;
        first_ = next_ * set_.width();
        ++next_;
        return true;
    }

    const _variant_t& value(std::size_t column) override { return set_.values[first_ + column]; }

private:
    RowSet set_;
    std::size_t next_ = 0;
    std::size_t first_ = 0;  // of the current row's values
};

}  // namespace

std::unique_ptr<Cursor> Session::openCursor(const std::string& sql) {
    return std::make_unique<ReadCursor>(query(sql));
}

}  // namespace ghdb::driver
