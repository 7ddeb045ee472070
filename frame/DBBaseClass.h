#pragma once

#include "frame/AccessPtr.h"
#include "platform/ado/AdoTypes.h"
#include "platform/com/Variant.h"

namespace ghdb {

// A record: one table row, which reads itself from and writes itself to the fields of the
// current row of a recordset, column by column.
class CDBBaseClass : public CBCAccessPtr {
public:
    CDBBaseClass(const CDBBaseClass& other) = default;
    CDBBaseClass& operator=(const CDBBaseClass& other) = default;
    CDBBaseClass(CDBBaseClass&& other) noexcept = default;
    CDBBaseClass& operator=(CDBBaseClass&& other) noexcept = default;

    // Copies the columns of the current row into the members.
    virtual void ReadFromFields(FieldsPtr& fields, _variant_t& scratch) = 0;
    // Copies the members into the columns of the current row; the caller stores the row.
    virtual void WriteToFields(FieldsPtr& fields) = 0;
    // Reads back what the database filled in a row just added (as a rule the identity key).
    virtual void AfterUpdateNew(FieldsPtr& fields, _variant_t& scratch) = 0;

protected:
    CDBBaseClass() = default;
    ~CDBBaseClass() override = default;
};

// A master record with a list of detail rows (its kids).
class CMultiDBBaseClass : public CDBBaseClass {
public:
    CMultiDBBaseClass(const CMultiDBBaseClass& other) = default;
    CMultiDBBaseClass& operator=(const CMultiDBBaseClass& other) = default;
    CMultiDBBaseClass(CMultiDBBaseClass&& other) noexcept = default;
    CMultiDBBaseClass& operator=(CMultiDBBaseClass&& other) noexcept = default;

    // Makes a new kid from the current row and appends it.
    virtual void ReadKidFromFields(FieldsPtr& fields, _variant_t& scratch) = 0;
    virtual void WriteKidToFields(FieldsPtr& fields, int index) = 0;
    virtual void AfterKidUpdateNew(FieldsPtr& fields, int index) = 0;
    // Nonzero when a kid with this index exists.
    virtual int NextKid(int index) = 0;

protected:
    CMultiDBBaseClass() = default;
    ~CMultiDBBaseClass() override = default;
};

}  // namespace ghdb
