// An ordered list of texts, indexed from 0.
//
// Sorting and finding fold case exactly as StringUtils::MatchFirstChars (..., false) does,
// so in an array sorted case-insensitively every text that starts with a given prefix
// stands in one run. Sort is stable: texts equal under folding keep their order, and
// RemoveDuplicates keeps the first of them.
//
// A sorted array that only grew at its end since the last Sort is not sorted again:
// the new texts go into a small sorted side buffer that is merged into the main list
// when it grows past 8 times the square root of the list or when the list is read.
#pragma once

class QOR01_API TextArray
{
public:
    // What the sort and duplicate keys are made of; the whole text is the only kind.
    enum Content { ContentText = 0 };

    TextArray();
    ~TextArray();
    TextArray(const TextArray& other);
    TextArray& operator=(const TextArray& other);

    void Add(const CString& strText);
    void Add(const TextArray& other);            // appends every entry of other, in order
    void RemoveAll();
    int GetCount() const;
    bool IsEmpty() const { return GetCount() == 0; }
    CString GetCopyAt(int nIndex) const;         // empty text for an index out of range

    // Index of the first entry equal to strText (folded when !bCaseSensitive), or -1;
    // bFound tells whether there was one.
    int Find(const CString& strText, bool bCaseSensitive, bool& bFound) const;
    // Ascending or descending order of the folded (or exact) texts.
    void Sort(bool bAscending, bool bCaseSensitive, Content content);
    // Removes every entry equal to an earlier one (folded when !bCaseSensitive).
    void RemoveDuplicates(bool bCaseSensitive, Content content);

private:
    void Normalize() const;                      // merges the side buffer and the tail
    struct Impl;
    Impl* m_pImpl;
};
