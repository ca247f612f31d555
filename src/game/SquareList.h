#pragma once

#include <memory>

// One square found on the field, by its first two corners; the other two follow from them.
struct SquareRecord {
    int x1;
    int y1;
    int x2;
    int y2;
};

// A list of packed square records (x1 in bits 12-15, y1 in 8-11, x2 in 4-7, y2 in 0-3).  It
// starts with room for 40 and grows by exactly one entry whenever a record finds it full.
class SquareList {
public:
    static constexpr int initialCapacity = 40;

    SquareList();

    static int pack(int x1, int y1, int x2, int y2);
    static SquareRecord unpack(int record);

    void append(int record);
    // Forgets the records; the room stays.
    void clear() { count = 0; }

    int getCount() const { return count; }
    int getCapacity() const { return capacity; }
    // Record i for 0 ≤ i < count; 0 outside.
    int getRecord(int index) const;
    const int* getRecords() const { return records.get(); }

private:
    std::unique_ptr<int[]> records;
    int capacity;
    int count = 0;
};
