#include "drivers/Session.h"

namespace ghdb::driver {

namespace {

class ReadCursor final : public Cursor {
public:
    explicit ReadCursor(RowSet set) : set_(std::move(set)) { columns_ = set_.columns; }

    bool next(std::vector<_variant_t>& row) override {
        if (next_ >= set_.rows()) return false;
        row.resize(set_.width());
        for (std::size_t i = 0; i < set_.width(); ++i)
            row[i] = std::move(set_.values[next_ * set_.width() + i]);
        ++next_;
        return true;
    }

private:
    RowSet set_;
    std::size_t next_ = 0;
};

}  // namespace

std::unique_ptr<Cursor> Session::openCursor(const std::string& sql) {
    return std::make_unique<ReadCursor>(query(sql));
}

}  // namespace ghdb::driver
