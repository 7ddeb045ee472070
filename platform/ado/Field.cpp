#include "platform/ado/Field.h"

#include <cctype>
#include <cstring>

#include "drivers/Session.h"
#include "platform/ado/Recordset.h"
#include "platform/com/ComError.h"

namespace ghdb {

namespace {

std::string Lower(const char* name) {
    std::string s(name);
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

[[noreturn]] void NotFound() {
    throw _com_error(adErrItemNotFound,
                     "Item cannot be found in the collection corresponding to the requested name "
                     "or ordinal.");
}

}  // namespace

const std::string& Field::GetName() const {
    return owner_->set_->columns[index_].name;
}

const _variant_t& Field::GetValue() const {
    return owner_->value(index_);
}

driver::Cell Field::GetCell() const {
    return owner_->cell(index_);
}

_variant_t& Field::ValueToPut() {
    return owner_->slot(index_);
}

void Field::PutValue(_variant_t value) {
    owner_->put(index_, std::move(value), false);
}

void Field::AppendChunk(const _variant_t& data) {
    if (data.vt != VT_BSTR && data.vt != VT_BLOB_BYTES)
        throw _com_error(DISP_E_TYPEMISMATCH, "Type mismatch.");
    owner_->put(index_, data, true);
}

bool Field::IsIdentity() const {
    return owner_->set_->columns[index_].identity;
}

void Fields::Reset(Recordset& owner, const std::vector<std::string>& names) {
    fields_.clear();
    byName_.clear();
    seen_.clear();
    nextSeen_ = 0;
    resolved_.clear();
    fields_.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        fields_.emplace_back(owner, i);
        byName_.emplace(Lower(names[i].c_str()), i);  // keeps the first of duplicate names
    }
}

Field* Fields::Find(const char* name) {
    if (!name) return nullptr;
    if (nextSeen_ < seen_.size() && seen_[nextSeen_].name == name) return seen_[nextSeen_++].field;
    for (std::size_t i = 0; i < seen_.size(); ++i) {
        if (seen_[i].name == name) {
            nextSeen_ = i + 1;
            return seen_[i].field;
        }
    }
    Field* field = Lookup(name);
    // The list of seen names stays bounded by what a record class asks for.
    if (seen_.size() < 4 * fields_.size() + 16) {
        seen_.push_back(Seen{name, field});
        nextSeen_ = seen_.size();
    }
    return field;
}

Field* Fields::Lookup(const char* name) {
    if (!name) return nullptr;
    const auto it = byName_.find(Lower(name));
    return it == byName_.end() ? nullptr : &fields_[it->second];
}

Field* Fields::GetItem(const char* name) {
    Field* field = Find(name);
    if (!field) NotFound();
    return field;
}

Field* Fields::GetItem(long index) {
    if (index < 0 || index >= GetCount()) NotFound();
    return &fields_[static_cast<std::size_t>(index)];
}

}  // namespace ghdb
