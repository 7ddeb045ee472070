#pragma once

#include "platform/mfc/CArray.h"

namespace ghdb {

// An array of records that owns its elements: every element is a copy made by the set, and
// the set deletes it when the element is removed or the set is destroyed. The named sets of
// the catalogue (spatial databases, layer groups, layers, fields, information URLs) derive
// from it; being a CArray of pointers, a set can be handed to the generic array reads.
template <class T>
class COwningSet : public CArray<T*, T*> {
    using Base = CArray<T*, T*>;

public:
    COwningSet() { Base::SetSize(0, 10); }
    // Copying a set would leave two owners of each element.
    COwningSet(const COwningSet&) = delete;
    COwningSet& operator=(const COwningSet&) = delete;
    ~COwningSet() override { ClearAll(); }

    // Inserts a copy of `record` at `index`; an index outside the set (-1 among them) appends.
    // Returns the copy, which the set owns.
    T* InsertNew(const T& record, int index) {
        T* copy = new T(record);
        if (index >= 0 && index < Base::GetSize())
            Base::InsertAt(index, copy);
        else
            Base::Add(copy);
        return copy;
    }
    T* AddNew(const T& record) { return InsertNew(record, -1); }

    // Replaces the own elements by copies of `other`'s.
    void CopyFrom(const COwningSet& other) {
        if (&other == this) return;
        ClearAll();
        AppendFrom(other);
    }
    void AppendFrom(const COwningSet& other) {
        // Counted first, so that appending a set to itself copies each element once.
        const int count = other.GetSize();
        for (int i = 0; i < count; ++i) AddNew(*other.GetAt(i));
    }

    // Deletes the element at `index`; an index outside the set does nothing.
    void DeleteAt(int index) {
        if (index < 0 || index >= Base::GetSize()) return;
        T* record = Base::GetAt(index);
        Base::RemoveAt(index);
        delete record;
    }
    // Deletes the element with that address; a record that is not an element is left alone.
    void Delete(T* record) { DeleteAt(Find(record)); }

    // The index of the element with that address, -1 when there is none.
    int Find(const T* record) const {
        for (int i = 0; i < Base::GetSize(); ++i)
            if (Base::GetAt(i) == record) return i;
        return -1;
    }

    // Moves one element so that it ends at index `to` (clamped into the set); the elements in
    // between close up. A `from` outside the set does nothing.
    void MoveTo(int from, int to) {
        const int size = Base::GetSize();
        if (from < 0 || from >= size) return;
        if (to < 0) to = 0;
        if (to >= size) to = size - 1;
        if (from == to) return;
        T* record = Base::GetAt(from);
        Base::RemoveAt(from);
        Base::InsertAt(to, record);
    }
    void MoveTo(T* record, int to) { MoveTo(Find(record), to); }

    void ClearAll() {
        for (int i = 0; i < Base::GetSize(); ++i) delete Base::GetAt(i);
        Base::RemoveAll();
    }
};

}  // namespace ghdb
