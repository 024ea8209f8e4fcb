#pragma once

#include <QtGlobal>
#include <vector>

// The record keys behind a list's entries, kept in the list's order, so a chosen entry
// maps back to its record by position and never by its shown text.
class KeyedEntries {
public:
    void clear() { m_keys.clear(); }
    void add(qint64 key) { m_keys.push_back(key); }
    int size() const { return static_cast<int>(m_keys.size()); }

    // The key at a list position, or -1 for a position that holds no entry.
    qint64 keyAt(int position) const {
        return position >= 0 && position < size() ? m_keys[static_cast<size_t>(position)] : -1;
    }
    // The first position holding the key, or -1.
    int positionOf(qint64 key) const {
        for (int i = 0; i < size(); ++i)
            if (m_keys[static_cast<size_t>(i)] == key)
                return i;
        return -1;
    }

private:
    std::vector<qint64> m_keys;
};
