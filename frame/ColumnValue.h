#pragma once

#include "frame/Columns.h"
#include "frame/DBBaseClass.h"

namespace ghdb {

// A record of one integer column, for the operations that rewrite only that column of the
// first row a statement selects (moving a group or a layer to another parent).
class CLongColumnValue : public CDBBaseClass {
public:
    CLongColumnValue(const char* column, long value) : column_(column), value_(value) {}

    void ReadFromFields(FieldsPtr& fields, _variant_t&) override {
        ReadColumn(fields, column_, value_);
    }
    void WriteToFields(FieldsPtr& fields) override { WriteColumn(fields, column_, value_); }
    void AfterUpdateNew(FieldsPtr&, _variant_t&) override {}

private:
    const char* column_;
    long value_;
};

}  // namespace ghdb
