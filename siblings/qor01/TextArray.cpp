#include "qor01.h"
#include <algorithm>
#include <cmath>
#include <unordered_set>
#include <string>

struct TextArray::Impl
{
    std::vector<CString> items;    // the list; sorted under the mode below when bSorted
    std::vector<CString> pending;  // sorted texts added since the last merge (sorted mode only)
    std::vector<CString> fresh;    // sorted texts not yet checked for duplicates
    std::vector<CString> tail;     // texts added since the last Sort (sorted mode only)
    bool bSorted = false;          // items are in ascending order
    bool bSortCase = false;        // ... compared case-sensitively
    bool bDedupedItems = false;    // items hold no duplicates under bDedupCase
    bool bDedupCase = false;

    bool Less(const CString& a, const CString& b) const { return StringUtils::Compare(a, b, bSortCase) < 0; }
};

TextArray::TextArray() : m_pImpl(new Impl) {}
TextArray::~TextArray() { delete m_pImpl; }
TextArray::TextArray(const TextArray& other) : m_pImpl(new Impl(*other.m_pImpl)) {}
TextArray& TextArray::operator=(const TextArray& other)
{
    if (this != &other)
        *m_pImpl = *other.m_pImpl;
    return *this;
}

void TextArray::Normalize() const
{
    Impl& d = *m_pImpl;
    auto less = [&d](const CString& a, const CString& b) { return d.Less(a, b); };
    bool bChecked = d.fresh.empty();   // pending only ever holds texts checked for duplicates
    if (!d.fresh.empty())
    {
        std::vector<CString> merged;
        merged.reserve(d.pending.size() + d.fresh.size());
        std::merge(std::make_move_iterator(d.pending.begin()), std::make_move_iterator(d.pending.end()),
                   std::make_move_iterator(d.fresh.begin()), std::make_move_iterator(d.fresh.end()),
                   std::back_inserter(merged), less);
        d.pending.swap(merged);
        d.fresh.clear();
    }
    if (!d.pending.empty())
    {
        std::vector<CString> merged;
        merged.reserve(d.items.size() + d.pending.size());
        // Ties take the main list first: the earlier text stays first.
        std::merge(std::make_move_iterator(d.items.begin()), std::make_move_iterator(d.items.end()),
                   std::make_move_iterator(d.pending.begin()), std::make_move_iterator(d.pending.end()),
                   std::back_inserter(merged), less);
        d.items.swap(merged);
        d.pending.clear();
        d.bDedupedItems = d.bDedupedItems && bChecked;
    }
    if (!d.tail.empty())
    {
        // Texts added after the last Sort stand at the end, unsorted.
        for (CString& s : d.tail)
            d.items.push_back(std::move(s));
        d.tail.clear();
        d.bSorted = false;
        d.bDedupedItems = false;
    }
}

void TextArray::Add(const CString& strText)
{
    Impl& d = *m_pImpl;
    if (d.bSorted)
        d.tail.push_back(strText);
    else
    {
        d.items.push_back(strText);
        d.bDedupedItems = false;
    }
}

void TextArray::Add(const TextArray& other)
{
    other.Normalize();
    for (const CString& s : other.m_pImpl->items)
        Add(s);
}

void TextArray::RemoveAll()
{
    delete m_pImpl;
    m_pImpl = new Impl;
}

int TextArray::GetCount() const
{
    const Impl& d = *m_pImpl;
    return (int)(d.items.size() + d.pending.size() + d.fresh.size() + d.tail.size());
}

CString TextArray::GetCopyAt(int nIndex) const
{
    Normalize();
    const Impl& d = *m_pImpl;
    return nIndex >= 0 && nIndex < (int)d.items.size() ? d.items[nIndex] : CString();
}

int TextArray::Find(const CString& strText, bool bCaseSensitive, bool& bFound) const
{
    Normalize();
    const Impl& d = *m_pImpl;
    int nFound = -1;
    if (d.bSorted && (!d.bSortCase || bCaseSensitive))
    {
        // A case-insensitive order also groups the exact matches: search its run.
        auto lo = std::lower_bound(d.items.begin(), d.items.end(), strText,
                                   [&d](const CString& a, const CString& b) { return d.Less(a, b); });
        for (auto it = lo; it != d.items.end() && !d.Less(strText, *it); ++it)
            if (StringUtils::Compare(*it, strText, bCaseSensitive) == 0)
            {
                nFound = (int)(it - d.items.begin());
                break;
            }
    }
    else
    {
        for (size_t i = 0; i < d.items.size(); ++i)
            if (StringUtils::Compare(d.items[i], strText, bCaseSensitive) == 0)
            {
                nFound = (int)i;
                break;
            }
    }
    bFound = nFound != -1;
    return nFound;
}

void TextArray::Sort(bool bAscending, bool bCaseSensitive, Content)
{
    Impl& d = *m_pImpl;
    auto less = [bCaseSensitive](const CString& a, const CString& b) { return StringUtils::Compare(a, b, bCaseSensitive) < 0; };
    if (bAscending && d.bSorted && d.bSortCase == bCaseSensitive)
    {
        // A full side buffer is merged while it holds no duplicates, so the main list keeps
        // that property.
        // A buffer insert moves strings, a merge also compares them: a buffer of some 8 times
        // the square root of the list balances the two (measured with the benchmark).
        size_t limit = std::max<size_t>(64, (size_t)(8 * std::sqrt((double)d.items.size())));
        if (d.pending.size() + d.fresh.size() > limit)
        {
            std::vector<CString> tail;
            tail.swap(d.tail);
            Normalize();
            d.tail.swap(tail);
        }
        // Only the tail is new: sorted, it waits with the other unchecked texts.
        std::stable_sort(d.tail.begin(), d.tail.end(), less);
        std::vector<CString> merged;
        std::merge(std::make_move_iterator(d.fresh.begin()), std::make_move_iterator(d.fresh.end()),
                   std::make_move_iterator(d.tail.begin()), std::make_move_iterator(d.tail.end()),
                   std::back_inserter(merged), less);
        d.fresh.swap(merged);
        d.tail.clear();
        return;
    }
    Normalize();
    std::stable_sort(d.items.begin(), d.items.end(), less);
    if (!bAscending)
        std::reverse(d.items.begin(), d.items.end());
    d.bSorted = bAscending;
    d.bSortCase = bCaseSensitive;   // reordering keeps the texts free of duplicates if they were
}

void TextArray::RemoveDuplicates(bool bCaseSensitive, Content)
{
    Impl& d = *m_pImpl;
    if (d.bSorted && d.tail.empty() && d.fresh.empty() && d.bDedupedItems && d.bDedupCase == bCaseSensitive)
        return;   // nothing new since the last call
    auto equal = [bCaseSensitive](const CString& a, const CString& b) { return StringUtils::Compare(a, b, bCaseSensitive) == 0; };
    if (d.bSorted && d.tail.empty() && d.bSortCase == bCaseSensitive && d.bDedupCase == bCaseSensitive &&
        d.bDedupedItems)
    {
        // The main list and the side buffer are free of duplicates: only fresh texts can be.
        auto less = [&d](const CString& a, const CString& b) { return d.Less(a, b); };
        CString strPrev;
        bool bPrev = false;
        for (CString& s : d.fresh)
        {
            bool dup = (bPrev && equal(strPrev, s)) ||
                       std::binary_search(d.items.begin(), d.items.end(), s, less) ||
                       std::binary_search(d.pending.begin(), d.pending.end(), s, less);
            if (!dup)
            {
                strPrev = s;
                bPrev = true;
                d.pending.insert(std::upper_bound(d.pending.begin(), d.pending.end(), s, less), std::move(s));
            }
        }
        d.fresh.clear();
        return;
    }
    Normalize();
    std::vector<CString> kept;
    kept.reserve(d.items.size());
    if (d.bSorted && d.bSortCase == bCaseSensitive)
    {
        for (CString& s : d.items)
            if (kept.empty() || !equal(kept.back(), s))
                kept.push_back(std::move(s));
    }
    else
    {
        std::unordered_set<std::string> seen;
        for (CString& s : d.items)
        {
            std::string key(s, s.GetLength());
            if (!bCaseSensitive)
                for (char& c : key)
                    c = (char)StringUtils::FoldChar((unsigned char)c);
            if (seen.insert(key).second)
                kept.push_back(std::move(s));
        }
    }
    d.items.swap(kept);
    d.bDedupedItems = true;
    d.bDedupCase = bCaseSensitive;
}
