#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/mfc/CString.h"
#include "platform/mfc/Types.h"

namespace ghdb {

// MFC's dynamic array over a std::vector. Sizes and indices are int. ARG_TYPE is the parameter
// type of the element-taking members, as in MFC: with CArray<T*, T*&>, Add takes an lvalue.
//
// Where MFC asserts (an index outside the array, a negative size or count), this class throws
// std::out_of_range and leaves the array unchanged.
//
// The grow-by value is kept and reported as MFC keeps it, but the storage grows geometrically:
// growing by a fixed step would make filling an array quadratic.
template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
    CArray() = default;
    CArray(const CArray&) = default;
    CArray(CArray&&) noexcept = default;
    CArray& operator=(const CArray&) = default;
    CArray& operator=(CArray&&) noexcept = default;
    // Virtual as in MFC, so that owning sets derived from an array may be deleted through it.
    virtual ~CArray() = default;

    int GetSize() const noexcept { return static_cast<int>(data_.size()); }
    int GetCount() const noexcept { return GetSize(); }
    int GetUpperBound() const noexcept { return GetSize() - 1; }
    BOOL IsEmpty() const noexcept { return data_.empty() ? TRUE : FALSE; }
    int GetGrowBy() const noexcept { return growBy_; }

    // New elements are value-initialised (zero, null, or default-constructed). A negative
    // growBy keeps the current grow-by. Size 0 also frees the storage, as in MFC.
    void SetSize(int newSize, int growBy = -1) {
        if (newSize < 0) throw std::out_of_range("CArray::SetSize: negative size");
        if (growBy >= 0) growBy_ = growBy;
        if (newSize == 0) {
            std::vector<TYPE>().swap(data_);
        } else {
            data_.resize(static_cast<std::size_t>(newSize));
        }
    }
    void FreeExtra() { data_.shrink_to_fit(); }
    void RemoveAll() { SetSize(0); }

    const TYPE& GetAt(int index) const { return data_[Checked(index)]; }
    TYPE& GetAt(int index) { return data_[Checked(index)]; }
    void SetAt(int index, ARG_TYPE newElement) {
        data_[Checked(index)] = std::forward<ARG_TYPE>(newElement);
    }
    const TYPE& ElementAt(int index) const { return data_[Checked(index)]; }
    TYPE& ElementAt(int index) { return data_[Checked(index)]; }
    const TYPE& operator[](int index) const { return data_[Checked(index)]; }
    TYPE& operator[](int index) { return data_[Checked(index)]; }

    const TYPE* GetData() const noexcept { return data_.data(); }
    TYPE* GetData() noexcept { return data_.data(); }

    // Returns the index of the new element.
    int Add(ARG_TYPE newElement) {
        data_.push_back(std::forward<ARG_TYPE>(newElement));
        return GetUpperBound();
    }

    // Returns the index of the first appended element.
    int Append(const CArray& src) {
        const int first = GetSize();
        if (&src == this) {
            data_.reserve(data_.size() * 2);
            std::copy_n(data_.begin(), first, std::back_inserter(data_));
        } else {
            data_.insert(data_.end(), src.data_.begin(), src.data_.end());
        }
        return first;
    }

    // The elements become copies of src's; the grow-by stays.
    void Copy(const CArray& src) {
        if (&src != this) data_ = src.data_;
    }

    // An index at or beyond the end grows the array to index + count, as in MFC, the slots in
    // between value-initialised. A count of 0 inserts nothing.
    void InsertAt(int index, ARG_TYPE newElement, int count = 1) {
        if (index < 0 || count < 0) throw std::out_of_range("CArray::InsertAt: negative argument");
        const auto at = static_cast<std::size_t>(index);
        const auto n = static_cast<std::size_t>(count);
        if (at < data_.size()) {
            data_.insert(data_.begin() + index, n, newElement);
        } else if (n > 0) {
            // Copied first: growing may move the element newElement refers to.
            const TYPE value(newElement);
            data_.resize(at);
            data_.insert(data_.end(), n, value);
        }
    }

    void RemoveAt(int index, int count = 1) {
        if (index < 0 || count < 0 ||
            static_cast<std::size_t>(index) + static_cast<std::size_t>(count) > data_.size()) {
            throw std::out_of_range("CArray::RemoveAt: range outside the array");
        }
        data_.erase(data_.begin() + index, data_.begin() + index + count);
    }

    // Grows the array when index lies beyond the end, the slots in between value-initialised.
    void SetAtGrow(int index, ARG_TYPE newElement) {
        if (index < 0) throw std::out_of_range("CArray::SetAtGrow: negative index");
        const auto at = static_cast<std::size_t>(index);
        if (at < data_.size()) {
            data_[at] = newElement;
        } else {
            // Copied first: growing may move the element newElement refers to.
            TYPE value(newElement);
            data_.resize(at + 1);
            data_[at] = std::move(value);
        }
    }

    auto begin() noexcept { return data_.begin(); }
    auto end() noexcept { return data_.end(); }
    auto begin() const noexcept { return data_.begin(); }
    auto end() const noexcept { return data_.end(); }

private:
    std::size_t Checked(int index) const {
        if (index < 0 || static_cast<std::size_t>(index) >= data_.size()) {
            throw std::out_of_range("CArray: index outside the array");
        }
        return static_cast<std::size_t>(index);
    }

    std::vector<TYPE> data_;
    int growBy_ = 0;  // 0 is MFC's "choose a step from the size"
};

// Distinct classes, as in MFC, so that hosts may declare them ahead.
class CStringArray : public CArray<CString, const CString&> {};
class CUIntArray : public CArray<UINT, UINT> {};

}  // namespace ghdb
