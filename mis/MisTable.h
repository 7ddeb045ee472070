#pragma once

#include "frame/Columns.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A table of a workflow's forms (s_dicttables, or MWFLENUMTABS of the older schema).
class CMISTable : public CTableRecord<CMISTable> {
public:
    CMISTable() = default;
    CMISTable(const CMISTable& other) = default;
    CMISTable& operator=(const CMISTable& other) = default;
    ~CMISTable() override = default;

    CString tablename;
    CString TableAlias;

    static const ColumnTable<CMISTable>& Columns();
};

// A field of a form table (S_DictColumns, or MWFLENUMTABS of the older schema).
class CMISField : public CTableRecord<CMISField> {
public:
    CMISField() = default;
    CMISField(const CMISField& other) = default;
    CMISField& operator=(const CMISField& other) = default;
    ~CMISField() override = default;

    bool AllowNull = false;
    bool IsSys = false;
    bool IsPrimaryKey = false;
    short Squence = 0;
    short DataType = 0;
    short Length = 0;
    short Precision = 0;
    CString ColumnName;
    CString ColumnAlias;
    CString DefaultValue;
    // Nonzero: reading takes only ColumnName and ColumnAlias. Writing always writes every
    // column. Set by the host.
    long NamesOnly = 0;

    static const ColumnTable<CMISField>& Columns();

    void ReadFromFields(FieldsPtr& fields, _variant_t& scratch) override;
};

}  // namespace ghdb
