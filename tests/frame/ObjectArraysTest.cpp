#include <gtest/gtest.h>

#include "support/TestRecords.h"

namespace ghdb::test {
namespace {

using Items = CArray<CTestItem*, CTestItem*&>;

CTestItem* Make(const char* name) {
    auto* item = new CTestItem;
    item->Name = name;
    return item;
}

void Fill(Items& items, std::initializer_list<const char*> names) {
    for (const char* n : names) {
        CTestItem* item = Make(n);
        items.Add(item);
    }
}

std::string Names(const Items& items) {
    std::string out;
    for (int i = 0; i < items.GetSize(); ++i) out += items[i] ? items[i]->Name.str() : "-";
    return out;
}

TEST(ObjectArraysTest, CopyDeepAppendsCopiesAndShallowSharesPointers) {
    Items source, target;
    Fill(source, {"a", "b", "c"});
    Fill(target, {"x", "y"});
    CopyArrayData(source, target, 0);
    EXPECT_EQ(Names(target), "xyabc");
    EXPECT_NE(target[2], source[0]);

    Items shallow;
    CopyArrayData(source, shallow, 1);
    EXPECT_EQ(shallow.GetSize(), 3);
    EXPECT_EQ(shallow[1], source[1]);
    ReleaseArrayData(shallow, 1);  // the records belong to source
    EXPECT_EQ(shallow.GetSize(), 0);
    EXPECT_EQ(shallow.GetGrowBy(), 10);
    ReleaseArrayData(source, 0);
    ReleaseArrayData(target, 0);
}

TEST(ObjectArraysTest, InsertPlacesACopyOrAppendsAndDeleteRemovesOnlyWhatIsThere) {
    Items items;
    Fill(items, {"a", "c"});
    CTestItem b;
    b.Name = "b";
    CTestItem* inserted = InsertArrayData(items, b, 1);
    EXPECT_NE(inserted, &b);
    EXPECT_EQ(Names(items), "abc");
    CTestItem z;
    z.Name = "z";
    CTestItem* appended = InsertArrayData(items, z, -1);
    EXPECT_EQ(appended, items[3]);
    appended = InsertArrayData(items, z, 99);
    EXPECT_EQ(appended, items[4]);
    EXPECT_EQ(Names(items), "abczz");

    // Deleting removes only what is there.
    DeleteArrayData(items, -1);
    DeleteArrayData(items, 5);
    EXPECT_EQ(Names(items), "abczz");
    DeleteArrayData(items, 1);
    DeleteArrayData(items, 3);
    DeleteArrayData(items, 2);
    EXPECT_EQ(Names(items), "ac");

    CTestItem* stranger = Make("s");
    DeleteArrayData(items, stranger);  // not in the array: neither removed nor freed
    EXPECT_EQ(Names(items), "ac");
    EXPECT_EQ(stranger->Name, "s");
    delete stranger;
    DeleteArrayData(items, items[0]);
    EXPECT_EQ(Names(items), "c");

    CTestItem* null = nullptr;
    items.Add(null);
    ReleaseArrayData(items, 0);  // skips the null slot
    EXPECT_EQ(items.GetSize(), 0);
}

}  // namespace
}  // namespace ghdb::test
