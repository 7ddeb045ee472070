#pragma once

#include "frame/Columns.h"
#include "frame/DBBaseClass.h"

namespace ghdb {

// A record whose columns are all described by its column table: `Derived` declares
//     static const ColumnTable<Derived>& Columns();
// and gets reading, writing and the read-back of identity columns from the table.
template <class Derived, class Base = CDBBaseClass>
class CTableRecord : public Base {
public:
    void ReadFromFields(FieldsPtr& fields, _variant_t&) override {
        ReadColumns(fields, Derived::Columns(), Self());
    }
    void WriteToFields(FieldsPtr& fields) override {
        WriteColumns(fields, Derived::Columns(), Self());
    }
    void AfterUpdateNew(FieldsPtr& fields, _variant_t&) override {
        // Most tables have no such column; their rows are added without looking for one.
        static const bool readsBack = AnyAssignedOnInsert(Derived::Columns());
        if (readsBack) ReadIdentityColumns(fields, Derived::Columns(), Self());
    }

protected:
    CTableRecord() = default;
    CTableRecord(const CTableRecord&) = default;
    CTableRecord& operator=(const CTableRecord&) = default;
    CTableRecord(CTableRecord&&) noexcept = default;
    CTableRecord& operator=(CTableRecord&&) noexcept = default;
    ~CTableRecord() override = default;

private:
    Derived& Self() { return static_cast<Derived&>(*this); }
};

}  // namespace ghdb
