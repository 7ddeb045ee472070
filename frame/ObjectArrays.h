#pragma once

#include "platform/mfc/CArray.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// Ownership helpers for arrays of records. A pointer array owns its records: each non-null
// element was made with new and is freed with delete.

// The record at `index` of a pointer array or of a value array.
template <class T, class ARG>
T& RecordAt(CArray<T*, ARG>& array, int index) {
    return *array[index];
}
template <class T, class ARG>
T& RecordAt(CArray<T, ARG>& array, int index) {
    return array[index];
}

// Nonzero `shallow`: `target` becomes a copy of `source`'s pointers (its former elements are
// dropped without being freed, and afterwards only one of the two arrays may free the records).
// Zero: deep copies of `source`'s records are appended to `target`.
template <class T, class ARG>
void CopyArrayData(CArray<T*, ARG>& source, CArray<T*, ARG>& target, int shallow) {
    if (shallow) {
        target.Copy(source);
        return;
    }
    const int first = target.GetSize();
    target.SetSize(first + source.GetSize(), 10);
    for (int i = 0; i < source.GetSize(); ++i) {
        T* copy = new T;
        target[first + i] = copy;
        *copy = *source[i];
    }
}

// Inserts a copy of `record` at `index`, or appends it when `index` is outside the array;
// returns the copy, which the array's holder owns.
template <class T, class ARG>
T* InsertArrayData(CArray<T*, ARG>& array, T& record, int index) {
    T* copy = new T;
    *copy = record;
    if (index >= 0 && index < array.GetSize())
        array.InsertAt(index, copy);
    else
        array.Add(copy);
    return copy;
}

// Frees the record at `index` and removes its slot; an index outside the array does nothing.
template <class T, class ARG>
void DeleteArrayData(CArray<T*, ARG>& array, int index) {
    if (index < 0 || index >= array.GetSize()) return;
    delete array[index];
    array.RemoveAt(index);
}

// Removes the last slot holding `record` and frees it; a record not in the array is left
// alone.
template <class T, class ARG>
void DeleteArrayData(CArray<T*, ARG>& array, T* record) {
    for (int i = array.GetSize() - 1; i >= 0; --i) {
        if (array[i] == record) {
            array.RemoveAt(i);
            delete record;
            return;
        }
    }
}

// Frees every record unless `keepRecords` is nonzero, then empties the array and resets its
// grow-by to 10.
template <class T, class ARG>
void ReleaseArrayData(CArray<T*, ARG>& array, int keepRecords) {
    if (!keepRecords)
        for (int i = 0; i < array.GetSize(); ++i) delete array[i];
    array.RemoveAll();
    array.SetSize(0, 10);
}

// Empties a value array (or a pointer array whose records are owned elsewhere).
template <class T, class ARG>
void ReleaseArray(CArray<T, ARG>& array) {
    array.RemoveAll();
}

// A pointer array whose records the holder owns: they are freed with the array.
template <class T, class ARG = T>
class CAutoReleaseArray : public CArray<T, ARG> {
public:
    CAutoReleaseArray() = default;
    CAutoReleaseArray(const CAutoReleaseArray&) = delete;
    CAutoReleaseArray& operator=(const CAutoReleaseArray&) = delete;
    ~CAutoReleaseArray() override { ReleaseArrayData(*this, 0); }
};

}  // namespace ghdb
