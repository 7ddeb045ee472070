#pragma once

#include <sqlite3.h>

#include <string>

#include "ghdb.h"

namespace ghdb::bench {

// A record of 20 columns, the width of the larger configuration tables: a database-assigned
// key, six texts, seven integers, four measures and two flags.
class CBenchRow : public CDBBaseClass {
public:
    long RowID = -1;
    CString T1, T2, T3, T4, T5, T6;
    long L1 = 0, L2 = 0, L3 = 0, L4 = 0, L5 = 0, L6 = 0, L7 = 0;
    double D1 = 0, D2 = 0, D3 = 0, D4 = 0;
    BOOL B1 = FALSE, B2 = FALSE;

    void ReadFromFields(FieldsPtr& fields, _variant_t& scratch) override;
    void WriteToFields(FieldsPtr& fields) override;
    void AfterUpdateNew(FieldsPtr& fields, _variant_t& scratch) override;

    static CBenchRow Sample(int i);
};

// Rows 0 .. rows-1 of the sample, as values.
CArray<CBenchRow, CBenchRow&> SampleRows(int rows);

// A fresh embedded database holding table GHB_Row with `rows` rows.
std::string MakeBenchDatabase(int rows);

// Table GHB_Row, made afresh on the database of `connection` and filled with `rows` rows.
void FillBenchTable(const std::string& connection, int rows);

// The same database opened directly through libsqlite3, as the ghdb driver opens it.
sqlite3* OpenDirect(const std::string& file);

}  // namespace ghdb::bench
