#pragma once

#include "frame/Columns.h"
#include "frame/DBBaseClass.h"
#include "platform/mfc/CArray.h"

namespace ghdb {

// Stands in for the records of a list when a replacement stores them column by column rather
// than through the records' own writing: it writes the given columns of the record it is
// pointed at, and nothing is read back into the records nor are they attached to the access
// object. Hand `Each(records)` to CRecordAccess::ReplaceAllWith.
template <class Record>
class CColumnWriter : public CDBBaseClass {
public:
    explicit CColumnWriter(const ColumnTable<Record>& columns) : columns_(columns) {}

    template <class ARG>
    auto Each(CArray<Record*, ARG>& records) {
        return [this, &records](int i) -> CDBBaseClass& {
            record_ = records[i];
            return *this;
        };
    }

    void ReadFromFields(FieldsPtr&, _variant_t&) override {}
    void WriteToFields(FieldsPtr& fields) override { WriteColumns(fields, columns_, *record_); }
    void AfterUpdateNew(FieldsPtr&, _variant_t&) override {}

private:
    const ColumnTable<Record>& columns_;
    const Record* record_ = nullptr;
};

}  // namespace ghdb
