#include <gtest/gtest.h>

#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/mfc/CArray.h"

using namespace ghdb;

namespace {

template <class Array, class Arg>
concept CanAdd = requires(Array& array) {
    array.Add(std::declval<Arg>());
};

struct Record {
    long id = -1;
};

// Pointer arrays declared with an lvalue-reference ARG_TYPE take only named pointers, as in MFC.
static_assert(!CanAdd<CArray<Record*, Record*&>, Record*>);
static_assert(CanAdd<CArray<Record*, Record*&>, Record*&>);
static_assert(CanAdd<CArray<Record*, Record*>, Record*>);
static_assert(CanAdd<CStringArray, const char*>);
static_assert(CanAdd<CUIntArray, int>);
static_assert(std::is_nothrow_move_constructible_v<CArray<CString>>);

template <class T, class A>
std::vector<T> Items(const CArray<T, A>& array) {
    return std::vector<T>(array.begin(), array.end());
}

TEST(CArrayTest, AddReturnsIndicesAndInsertAtKeepsOrderOrGrowsWithZeroedSlots) {
    CArray<long, long> a;
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.GetUpperBound(), -1);
    EXPECT_EQ(a.Add(1), 0);
    EXPECT_EQ(a.Add(4), 1);
    a.InsertAt(1, 2);
    a.InsertAt(2, 3);
    a.InsertAt(0, 0);
    EXPECT_EQ(Items(a), (std::vector<long>{0, 1, 2, 3, 4}));

    a.InsertAt(5, 9, 2);  // at the end
    a.InsertAt(1, 7, 2);  // several copies in the middle
    EXPECT_EQ(Items(a), (std::vector<long>{0, 7, 7, 1, 2, 3, 4, 9, 9}));
    a.InsertAt(3, 8, 0);
    EXPECT_EQ(a.GetSize(), 9);
    EXPECT_EQ(a.GetCount(), 9);
    EXPECT_EQ(a.GetUpperBound(), 8);

    // Inserting beyond the end grows the array with zeroed slots.
    CArray<Record*, Record*&> pointers;
    Record record;
    Record* p = &record;
    pointers.InsertAt(3, p, 2);
    ASSERT_EQ(pointers.GetSize(), 5);
    EXPECT_EQ(pointers[0], nullptr);
    EXPECT_EQ(pointers[2], nullptr);
    EXPECT_EQ(pointers[3], p);
    EXPECT_EQ(pointers[4], p);

    CArray<Record, Record&> values;
    values.InsertAt(1, record);
    EXPECT_EQ(values[0].id, -1);  // default-constructed, not zeroed over
}

TEST(CArrayTest, RemoveAtRemovesRangesAndRejectsBadOnes) {
    CArray<int, int> a;
    for (int i = 0; i < 6; ++i) a.Add(i);
    a.RemoveAt(0);
    a.RemoveAt(1, 2);
    EXPECT_EQ(Items(a), (std::vector<int>{1, 4, 5}));
    a.RemoveAt(3, 0);

    EXPECT_THROW(a.RemoveAt(3), std::out_of_range);
    EXPECT_THROW(a.RemoveAt(2, 2), std::out_of_range);
    EXPECT_THROW(a.RemoveAt(-1), std::out_of_range);
    EXPECT_THROW(a.RemoveAt(0, -1), std::out_of_range);
    EXPECT_THROW(a.InsertAt(-1, 0), std::out_of_range);
    EXPECT_EQ(Items(a), (std::vector<int>{1, 4, 5}));

    a.RemoveAt(0, 3);
    EXPECT_TRUE(a.IsEmpty());
}

TEST(CArrayTest, SetSizeGrowsShrinksAndKeepsGrowBy) {
    CArray<long, long> a;
    EXPECT_EQ(a.GetGrowBy(), 0);
    a.Add(7);
    a.SetSize(4, 10);
    EXPECT_EQ(Items(a), (std::vector<long>{7, 0, 0, 0}));
    EXPECT_EQ(a.GetGrowBy(), 10);

    a.SetSize(2);
    EXPECT_EQ(Items(a), (std::vector<long>{7, 0}));
    EXPECT_EQ(a.GetGrowBy(), 10);  // -1 keeps it
    a.SetSize(3, 0);
    EXPECT_EQ(a.GetGrowBy(), 0);

    a.SetSize(0, 10);
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.GetGrowBy(), 10);
    EXPECT_THROW(a.SetSize(-1), std::out_of_range);

    a.Add(1);
    a.FreeExtra();
    EXPECT_EQ(Items(a), (std::vector<long>{1}));
    a.RemoveAll();
    EXPECT_EQ(a.GetSize(), 0);
    EXPECT_EQ(a.GetGrowBy(), 10);
}

TEST(CArrayTest, AppendCopyAndAddFromThemselves) {
    CArray<CString> a;
    a.Add("x");
    a.Add("y");
    CArray<CString> b;
    b.Add("z");
    EXPECT_EQ(b.Append(a), 1);
    EXPECT_EQ(Items(b), (std::vector<CString>{"z", "x", "y"}));

    EXPECT_EQ(a.Append(a), 2);
    EXPECT_EQ(Items(a), (std::vector<CString>{"x", "y", "x", "y"}));

    b.SetSize(b.GetSize(), 10);
    b.Copy(a);
    EXPECT_EQ(Items(b), Items(a));
    EXPECT_EQ(b.GetGrowBy(), 10);
    b.Copy(b);
    EXPECT_EQ(b.GetSize(), 4);

    CArray<CString> empty;
    EXPECT_EQ(b.Append(empty), 4);
    b.Copy(empty);
    EXPECT_TRUE(b.IsEmpty());

    // Elements of the array itself can be added while it grows.
    CArray<CString> grown;
    grown.Add(CString('s', 40));  // too long for the small-string buffer
    for (int i = 0; i < 100; ++i) grown.Add(grown[0]);
    grown.InsertAt(0, grown[grown.GetUpperBound()], 3);
    grown.SetAtGrow(500, grown[1]);
    grown.InsertAt(700, grown[2]);
    EXPECT_EQ(grown.GetSize(), 701);
    EXPECT_EQ(grown[500], grown[0]);
    EXPECT_EQ(grown[700], grown[0]);
    EXPECT_TRUE(grown[600].IsEmpty());
}

TEST(CArrayTest, ElementAccessOutsideTheArrayThrows) {
    CArray<int, int> a;
    a.Add(1);
    const auto& c = a;
    EXPECT_THROW(a.GetAt(1), std::out_of_range);
    EXPECT_THROW(c.GetAt(-1), std::out_of_range);
    EXPECT_THROW(a[1], std::out_of_range);
    EXPECT_THROW(c[1], std::out_of_range);
    EXPECT_THROW(a.ElementAt(2), std::out_of_range);
    EXPECT_THROW(a.SetAt(1, 5), std::out_of_range);
    EXPECT_THROW(a.SetAtGrow(-1, 5), std::out_of_range);

    a.SetAt(0, 5);
    a.ElementAt(0) += 1;
    a[0] *= 2;
    EXPECT_EQ(c.GetAt(0), 12);
    EXPECT_EQ(*a.GetData(), 12);
    a.SetAtGrow(2, 3);
    EXPECT_EQ(Items(a), (std::vector<int>{12, 0, 3}));
}

}  // namespace
