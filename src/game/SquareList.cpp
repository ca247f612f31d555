#include "game/SquareList.h"

#include <algorithm>

SquareList::SquareList() : records(std::make_unique<int[]>(initialCapacity)), capacity(initialCapacity) {}

int SquareList::pack(int x1, int y1, int x2, int y2)
{
    return (x1 & 15) * 4096 + (y1 & 15) * 256 + (x2 & 15) * 16 + (y2 & 15);
}

SquareRecord SquareList::unpack(int record)
{
    return {(record >> 12) & 15, (record >> 8) & 15, (record >> 4) & 15, record & 15};
}

void SquareList::append(int record)
{
    if (count == capacity) {
        auto grown = std::make_unique<int[]>(static_cast<std::size_t>(capacity) + 1);
        std::copy(records.get(), records.get() + count, grown.get());
        records = std::move(grown);
        capacity += 1;
    }
    records[count] = record;
    count += 1;
}

int SquareList::getRecord(int index) const { return index >= 0 && index < count ? records[index] : 0; }
