#pragma once

#include <string>

#include "ghdb.h"
#include "schema/Tables.h"

namespace ghdb::test {

// A record class of the tests' own, on table GHT_Item (key assigned by the database), with
// every member type the column tables know.
class CTestItem : public CTableRecord<CTestItem> {
public:
    long ItemID = -1;
    CString Name;
    long Code = 0;
    short Small = 0;
    float Ratio = 0.0f;
    double Weight = 0.0;
    BOOL Active = FALSE;
    bool Flag = false;

    long GetIDField() const { return ItemID; }
    static const ColumnTable<CTestItem>& Columns();
};

// The same columns on table GHT_Keyed, whose key the application writes.
class CKeyedItem : public CTestItem {
public:
    void WriteToFields(FieldsPtr& fields) override;
};

// A master with kid rows in GHT_Kid.
class CTestMaster : public CTableRecord<CTestMaster, CMultiDBBaseClass> {
public:
    long MasterID = 0;
    CArray<CTestItem, CTestItem&> Kids;

    static const ColumnTable<CTestMaster>& Columns();
    void ReadKidFromFields(FieldsPtr& fields, _variant_t& scratch) override;
    void WriteKidToFields(FieldsPtr& fields, int index) override;
    void AfterKidUpdateNew(FieldsPtr& fields, int index) override;
    int NextKid(int index) override { return index < Kids.GetSize(); }
};

// Creates GHT_Item, GHT_Keyed and GHT_Kid on the connection's engine.
void CreateTestTables(Connection& connection);

}  // namespace ghdb::test
