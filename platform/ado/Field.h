#pragma once

#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

#include "drivers/Cell.h"
#include "platform/ado/AdoTypes.h"
#include "platform/com/Variant.h"

namespace ghdb {

// One column of the current row of a recordset.
class Field {
public:
    Field(Recordset& owner, std::size_t index) : owner_(&owner), index_(index) {}

    const std::string& GetName() const;
    // The value in the current row (or in the row being added or edited).
    const _variant_t& GetValue() const;
    // The same value as the engine holds it, for a reader that converts it itself.
    driver::Cell GetCell() const;
    void PutValue(_variant_t value);
    // The value that the row being added or edited stores in this column, to be set in place
    // (a text keeps the capacity it has); refused as PutValue refuses.
    _variant_t& ValueToPut();
    // Appends to a long binary or text value; the first chunk of an edit replaces the value.
    void AppendChunk(const _variant_t& data);
    bool IsIdentity() const;

private:
    friend class Recordset;
    Recordset* owner_;
    std::size_t index_;
};

// The columns of a recordset, found by name without regard to case; where a join carries a
// name twice, the first column of that name is the one found.
class Fields {
public:
    Fields() = default;
    Fields(const Fields&) = delete;
    Fields& operator=(const Fields&) = delete;

    long GetCount() const noexcept { return static_cast<long>(fields_.size()); }
    // Raises _com_error when there is no such column.
    Field* GetItem(const char* name);
    Field* GetItem(long index);
    // As GetItem, but null when there is no such column.
    Field* Find(const char* name);
    // The fields of `count` names (`nameOf(i)` the i-th), null where there is no such column,
    // looked up once for this result and kept under `key`: the address of something that
    // lives as long as the program and always lists the same names (a record class's columns).
    template <class NameOf>
    const std::vector<Field*>& Resolve(const void* key, std::size_t count, NameOf nameOf);

private:
    friend class Recordset;
    void Reset(Recordset& owner, const std::vector<std::string>& names);
    Field* Lookup(const char* name);

    std::vector<Field> fields_;
    std::unordered_map<std::string, std::size_t> byName_;  // lower-case name to first column
    // Records look their columns up by the same names in the same order on every row; the
    // names seen so far, in that order, answer most lookups with one string comparison.
    struct Seen {
        std::string name;
        Field* field;
    };
    std::vector<Seen> seen_;
    std::size_t nextSeen_ = 0;
    struct Resolved {
        const void* key;
        std::vector<Field*> fields;
    };
    std::deque<Resolved> resolved_;
};

template <class NameOf>
const std::vector<Field*>& Fields::Resolve(const void* key, std::size_t count, NameOf nameOf) {
    for (const Resolved& r : resolved_)
        if (r.key == key && r.fields.size() == count) return r.fields;
    Resolved& r = resolved_.emplace_back(Resolved{key, {}});
    r.fields.reserve(count);
    for (std::size_t i = 0; i < count; ++i) r.fields.push_back(Lookup(nameOf(i)));
    return r.fields;
}

}  // namespace ghdb
