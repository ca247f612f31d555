#pragma once

#include <cstdint>

// The ten best results, index 0 the best, kept in the settings store as "name0".."name9"
// (text) and "score0".."score9" (32-bit numbers).  Scores compare as unsigned numbers; the
// order is the order of storing, best first, and is never re-sorted.
class HighScoreTable {
public:
    static constexpr int HighScoreTableSize = 10;
    static constexpr int nameSize = 256;  // a name holds at most 255 characters

    // Fills all ten entries from the built-in table.
    void setDefaults();
    // The built-in table, then every stored value over it; missing values are stored with
    // their built-in entry.  A stored name longer than 255 characters keeps its first 255.
    void load();
    // Restores the built-in table in memory and in the store.
    void reset();

    // Whether `score` beats the stored tenth entry (stores the defaults of missing values).
    static bool qualifies(std::uint32_t score);
    // Stores a result below every entry it does not beat; the tenth entry drops out.
    static void insert(const char* name, std::uint32_t score);

    char names[HighScoreTableSize][nameSize] = {};
    std::uint32_t scores[HighScoreTableSize] = {};
};
