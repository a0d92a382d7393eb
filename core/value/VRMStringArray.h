#pragma once
// A list of texts (names of records, tokens) with the framework-style operations
// the system's code uses.
#include <vector>

#include "core/value/VRMString.h"

class CVRMStringArray : public std::vector<CVRMString> {
  public:
    using std::vector<CVRMString>::vector;

    int GetSize() const { return static_cast<int>(size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return empty(); }
    // A copy of element `index`; an index out of range gives an empty text.
    CVRMString GetAt(int index) const {
        return index >= 0 && index < GetSize() ? (*this)[static_cast<size_t>(index)] : CVRMString();
    }
    void SetAt(int index, const CVRMString& text) {
        if (index >= 0 && index < GetSize()) (*this)[static_cast<size_t>(index)] = text;
    }
    int Add(const CVRMString& text) {
        push_back(text);
        return GetSize() - 1;
    }
    void InsertAt(int index, const CVRMString& text) {
        if (index < 0) index = 0;
        if (index > GetSize()) index = GetSize();
        insert(begin() + index, text);
    }
    void RemoveAt(int index) {
        if (index >= 0 && index < GetSize()) erase(begin() + index);
    }
    void RemoveAll() { clear(); }
};
