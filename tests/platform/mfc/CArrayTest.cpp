#include <gtest/gtest.h>

#include <functional>
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

using Longs = CArray<long, long>;
constexpr long kThrows = -999;

// An array holding `before`, a call on it, what it gives (the size after calls that give
// nothing) and what the array holds afterwards.
struct Case {
    std::vector<long> before;
    std::function<long(Longs&)> op;
    long gives;
    std::vector<long> after;
};

const Case kCases[] = {
    // Add gives the index; InsertAt keeps the order, inserting zero or more copies, and
    // beyond the end grows the array with zeroed slots.
    {{}, [](Longs& a) { return a.IsEmpty() ? a.GetUpperBound() : 0; }, -1, {}},
    {{}, [](Longs& a) { return a.Add(1); }, 0, {1}},
    {{1}, [](Longs& a) { return a.Add(4); }, 1, {1, 4}},
    {{1, 4},
     [](Longs& a) { return a.InsertAt(1, 2), a.InsertAt(0, 0), a.GetSize(); },
     4,
     {0, 1, 2, 4}},
    {{0, 1, 2}, [](Longs& a) { return a.InsertAt(3, 9, 2), a.GetSize(); }, 5, {0, 1, 2, 9, 9}},
    {{0, 1, 2}, [](Longs& a) { return a.InsertAt(1, 7, 2), a.GetSize(); }, 5, {0, 7, 7, 1, 2}},
    {{0, 1}, [](Longs& a) { return a.InsertAt(1, 8, 0), a.GetSize(); }, 2, {0, 1}},
    {{1}, [](Longs& a) { return a.InsertAt(3, 5, 2), a.GetSize(); }, 5, {1, 0, 0, 5, 5}},
    {{1}, [](Longs& a) { return a.InsertAt(-1, 0), a.GetSize(); }, kThrows, {1}},
    {{1, 2}, [](Longs& a) { return a.GetCount(); }, 2, {1, 2}},
    {{1, 2}, [](Longs& a) { return a.GetUpperBound(); }, 1, {1, 2}},
    // RemoveAt removes ranges and rejects bad ones, leaving the array alone.
    {{0, 1, 2, 3, 4, 5},
     [](Longs& a) { return a.RemoveAt(0), a.RemoveAt(1, 2), a.GetSize(); },
     3,
     {1, 4, 5}},
    {{1, 4, 5}, [](Longs& a) { return a.RemoveAt(3, 0), a.GetSize(); }, 3, {1, 4, 5}},
    {{1, 4, 5}, [](Longs& a) { return a.RemoveAt(0, 3), a.GetSize(); }, 0, {}},
    {{1, 4, 5}, [](Longs& a) { return a.RemoveAt(3), a.GetSize(); }, kThrows, {1, 4, 5}},
    {{1, 4, 5}, [](Longs& a) { return a.RemoveAt(2, 2), a.GetSize(); }, kThrows, {1, 4, 5}},
    {{1, 4, 5}, [](Longs& a) { return a.RemoveAt(-1), a.GetSize(); }, kThrows, {1, 4, 5}},
    {{1, 4, 5}, [](Longs& a) { return a.RemoveAt(0, -1), a.GetSize(); }, kThrows, {1, 4, 5}},
    // SetSize grows with zeros and shrinks; the grow-by stays unless one is given.
    {{7}, [](Longs& a) { return a.GetGrowBy(); }, 0, {7}},
    {{7}, [](Longs& a) { return a.SetSize(4, 10), a.GetGrowBy(); }, 10, {7, 0, 0, 0}},
    {{7}, [](Longs& a) { return a.SetSize(4, 10), a.SetSize(2), a.GetGrowBy(); }, 10, {7, 0}},
    {{7}, [](Longs& a) { return a.SetSize(4, 10), a.SetSize(3, 0), a.GetGrowBy(); }, 0, {7, 0, 0}},
    {{1, 2}, [](Longs& a) { return a.SetSize(0, 10), a.GetGrowBy(); }, 10, {}},
    {{1, 2}, [](Longs& a) { return a.SetSize(-1), a.GetSize(); }, kThrows, {1, 2}},
    {{1, 2}, [](Longs& a) { return a.FreeExtra(), a.GetSize(); }, 2, {1, 2}},
    {{1, 2}, [](Longs& a) { return a.SetSize(2, 10), a.RemoveAll(), a.GetGrowBy(); }, 10, {}},
    // Element access inside the array, and outside it throwing.
    {{1}, [](Longs& a) { return a.SetAt(0, 5), a.ElementAt(0) += 1, a[0] *= 2; }, 12, {12}},
    {{12}, [](Longs& a) { return *a.GetData(); }, 12, {12}},
    {{12}, [](Longs& a) { return a.SetAtGrow(2, 3), a.GetSize(); }, 3, {12, 0, 3}},
    {{1}, [](Longs& a) { return a.GetAt(1); }, kThrows, {1}},
    {{1}, [](const Longs& a) { return a.GetAt(-1); }, kThrows, {1}},
    {{1}, [](Longs& a) { return a[1]; }, kThrows, {1}},
    {{1}, [](const Longs& a) { return a[1]; }, kThrows, {1}},
    {{1}, [](Longs& a) { return a.ElementAt(2); }, kThrows, {1}},
    {{1}, [](Longs& a) { return a.SetAt(1, 5), a.GetSize(); }, kThrows, {1}},
    {{1}, [](Longs& a) { return a.SetAtGrow(-1, 5), a.GetSize(); }, kThrows, {1}},
};

TEST(CArrayTest, EveryOperationGivesAndLeavesWhatMfcDoes) {
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        Longs a;
        for (long v : kCases[i].before) a.Add(v);
        long gives = 0;
        try {
            gives = kCases[i].op(a);
        } catch (const std::out_of_range&) {
            gives = kThrows;
        }
        EXPECT_EQ(gives, kCases[i].gives) << "case " << i;
        EXPECT_EQ(Items(a), kCases[i].after) << "case " << i;
    }
}

TEST(CArrayTest, InsertingBeyondTheEndZeroesPointersAndConstructsRecords) {
    CArray<Record*, Record*&> pointers;
    Record record;
    Record* p = &record;
    pointers.InsertAt(3, p, 2);
    EXPECT_EQ(Items(pointers), (std::vector<Record*>{nullptr, nullptr, nullptr, p, p}));
    CArray<Record, Record&> values;
    values.InsertAt(1, record);
    EXPECT_EQ(values[0].id, -1);  // default-constructed, not zeroed over
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

}  // namespace
