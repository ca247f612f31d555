#include "screens/HighScoreTable.h"

#include <cstdio>
#include <cstring>

#include "app/Application.h"

namespace {

struct DefaultEntry {
    const char* name;
    std::uint32_t score;
};

constexpr DefaultEntry defaultTable[HighScoreTable::HighScoreTableSize] = {
    {"Wuffle", 1000000}, {"Wuffle", 800000}, {"Wuffle", 600000}, {"Dravi", 100000}, {"Dravi", 80000},
    {"Dravi", 60000},    {"Pelko", 10000},   {"Pelko", 8000},    {"Pelko", 6000},   {"Pelko", 4000},
};

// The value names of entry `index`: "name<index>" and "score<index>".
struct ValueNames {
    explicit ValueNames(int index)
    {
        std::snprintf(name, sizeof name, "name%d", index);
        std::snprintf(score, sizeof score, "score%d", index);
    }
    char name[16];
    char score[16];
};

// Copies `source` into a name buffer, cut to 255 characters and zero-filled behind.
void copyName(char (&target)[HighScoreTable::nameSize], const char* source)
{
    std::memset(target, 0, sizeof target);
    if (source)
        std::strncpy(target, source, sizeof target - 1);
}

}  // namespace

void HighScoreTable::setDefaults()
{
    for (int i = 0; i < HighScoreTableSize; ++i) {
        copyName(names[i], defaultTable[i].name);
        scores[i] = defaultTable[i].score;
    }
}

void HighScoreTable::load()
{
    setDefaults();
    if (!theApp)
        return;
    theApp->openSettings();
    for (int i = 0; i < HighScoreTableSize; ++i) {
        const ValueNames value(i);
        theApp->readString(value.name, names[i], nameSize);
        theApp->readDword(value.score, &scores[i], sizeof scores[i]);
    }
    theApp->closeSettings();
}

void HighScoreTable::reset()
{
    setDefaults();
    if (!theApp)
        return;
    theApp->openSettings();
    for (int i = 0; i < HighScoreTableSize; ++i) {
        const ValueNames value(i);
        theApp->writeString(value.name, names[i]);
        theApp->writeDword(value.score, &scores[i], sizeof scores[i]);
    }
    theApp->closeSettings();
}

bool HighScoreTable::qualifies(std::uint32_t score)
{
    HighScoreTable table;
    table.load();
    return score > table.scores[HighScoreTableSize - 1];
}

void HighScoreTable::insert(const char* name, std::uint32_t score)
{
    if (!theApp)
        return;
    theApp->openSettings();
    // Walk up from entry 8, moving every entry the new score beats one place down; entry 9
    // is overwritten and so drops out.
    int place = 0;
    for (int n = HighScoreTableSize - 2; n >= 0; --n) {
        char storedName[nameSize];
        std::uint32_t storedScore = defaultTable[n].score;
        copyName(storedName, defaultTable[n].name);
        const ValueNames stored(n);
        theApp->readString(stored.name, storedName, nameSize);
        theApp->readDword(stored.score, &storedScore, sizeof storedScore);
        if (score <= storedScore) {
            place = n + 1;
            break;
        }
        const ValueNames below(n + 1);
        theApp->writeString(below.name, storedName);
        theApp->writeDword(below.score, &storedScore, sizeof storedScore);
    }
    const ValueNames target(place);
    char newName[nameSize];
    copyName(newName, name);
    theApp->writeString(target.name, newName);
    theApp->writeDword(target.score, &score, sizeof score);
    theApp->closeSettings();
}
