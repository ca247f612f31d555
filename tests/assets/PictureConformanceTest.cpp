// Every picture the generator writes has the size and cell grid the game loads it with, and
// follows the rules of how the game draws it: keyed pictures are transparent (pure black)
// around their content, blocks are solid and tell their colours apart, buttons light up.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "AssetFiles.h"
#include "media/AssetCatalogue.h"

using assetfiles::Bitmap;
using assetfiles::Rgb;

namespace {

Bitmap load(const PictureFile& picture)
{
    auto bitmap = assetfiles::readBitmap(std::string(KELVARY_OUTPUT_DIR) + "/" + picture.fileName);
    if (!bitmap) {
        ADD_FAILURE() << picture.fileName << " is missing or not a 24-bit bitmap";
        return Bitmap{1, 1, {Rgb{}}};
    }
    return *bitmap;
}

struct Cell {
    int x, y, width, height;
};

Cell cellOf(const PictureFile& format, int frame)
{
    const int w = format.cellWidth(), h = format.cellHeight();
    return {frame % format.columns * w, frame / format.columns * h, w, h};
}

// Pixels of a cell's outermost ring, as (x, y) in the picture.
std::vector<std::pair<int, int>> ring(const Cell& c)
{
    std::vector<std::pair<int, int>> out;
    for (int y = c.y; y < c.y + c.height; ++y)
        for (int x = c.x; x < c.x + c.width; ++x)
            if (y == c.y || x == c.x || y == c.y + c.height - 1 || x == c.x + c.width - 1)
                out.push_back({x, y});
    return out;
}

int differingPixels(const Bitmap& a, const Cell& ca, const Bitmap& b, const Cell& cb)
{
    int count = 0;
    for (int y = 0; y < ca.height; ++y)
        for (int x = 0; x < ca.width; ++x)
            count += !(a.at(ca.x + x, ca.y + y) == b.at(cb.x + x, cb.y + y));
    return count;
}

}  // namespace

TEST(PictureConformance, EveryPictureHasItsSizeAsA24BitBitmap)
{
    for (const PictureFile& s : pictures::all) {
        const Bitmap bitmap = load(s);
        EXPECT_EQ(bitmap.width, s.width) << s.fileName;
        EXPECT_EQ(bitmap.height, s.height) << s.fileName;
        EXPECT_EQ(s.width % s.columns, 0) << s.fileName;
        EXPECT_EQ(s.height % s.rows, 0) << s.fileName;
    }
}

TEST(PictureConformance, KeyedCellsHaveTransparentMarginsAroundVisibleContent)
{
    for (const PictureFile& s : pictures::all) {
        if (!s.keyed)
            continue;
        const Bitmap bitmap = load(s);
        for (int frame = 0; frame < s.frameCount(); ++frame) {
            const Cell cell = cellOf(s, frame);
            for (const auto& [x, y] : ring(cell))
                ASSERT_TRUE(bitmap.at(x, y).isBlack()) << s.fileName << " frame " << frame << " at " << x << "," << y;
            int visible = 0;
            for (int y = cell.y; y < cell.y + cell.height; ++y)
                for (int x = cell.x; x < cell.x + cell.width; ++x)
                    visible += !bitmap.at(x, y).isBlack();
            EXPECT_GT(visible, 12) << s.fileName << " frame " << frame << " shows (almost) nothing";
        }
    }
}

TEST(PictureConformance, BlocksHaveNoTransparentHolesAndEachColourReadsOnItsOwn)
{
    const PictureFile& s = pictures::blocks;
    const Bitmap bitmap = load(s);
    std::vector<std::array<long, 3>> restColours;
    for (int frame = 0; frame < 40; ++frame) {
        const Cell c = cellOf(s, frame);
        // Pure black reachable from the cell's edge is background; any other is a hole in a block.
        std::vector<char> outside(static_cast<std::size_t>(c.width * c.height), 0);
        std::vector<std::pair<int, int>> todo;
        for (const auto& [x, y] : ring(c))
            if (bitmap.at(x, y).isBlack())
                todo.push_back({x - c.x, y - c.y});
        while (!todo.empty()) {
            const auto [x, y] = todo.back();
            todo.pop_back();
            if (x < 0 || y < 0 || x >= c.width || y >= c.height || outside[y * c.width + x] ||
                !bitmap.at(c.x + x, c.y + y).isBlack())
                continue;
            outside[y * c.width + x] = 1;
            todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
        }
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                ASSERT_FALSE(bitmap.at(c.x + x, c.y + y).isBlack() && !outside[y * c.width + x])
                    << "hole in block frame " << frame << " at " << x << "," << y;
        if (frame % 5 == 0) {
            // The block at rest is solid across its middle.
            std::array<long, 3> sum{0, 0, 0};
            for (int y = 4; y < 26; ++y)
                for (int x = 4; x < 26; ++x) {
                    const Rgb p = bitmap.at(c.x + x, c.y + y);
                    ASSERT_FALSE(p.isBlack()) << "frame " << frame;
                    sum[0] += p.r;
                    sum[1] += p.g;
                    sum[2] += p.b;
                }
            restColours.push_back(sum);
        }
    }
    // The eight colours are far apart from each other.
    for (std::size_t i = 0; i < restColours.size(); ++i)
        for (std::size_t j = i + 1; j < restColours.size(); ++j) {
            long distance = 0;
            for (int k = 0; k < 3; ++k)
                distance += std::labs(restColours[i][k] - restColours[j][k]) / (22 * 22);
            EXPECT_GT(distance, 60) << "colours " << i << " and " << j;
        }
}

TEST(PictureConformance, EveryButtonLooksDifferentUnderTheMouseAndInEachState)
{
    for (const PictureFile& s : {pictures::start, pictures::highScores, pictures::options, pictures::help,
                                 pictures::exit, pictures::gameExit, pictures::logoButton, pictures::ok,
                                 pictures::resetScores, pictures::soundSwitch, pictures::fullScreenSwitch}) {
        const Bitmap bitmap = load(s);
        for (int f = 0; f + 1 < s.frameCount(); f += 2) {
            const Cell plain = cellOf(s, f), lit = cellOf(s, f + 1);
            EXPECT_GT(differingPixels(bitmap, plain, bitmap, lit), plain.width * plain.height / 10)
                << s.fileName << " frames " << f << " and " << f + 1;
        }
        EXPECT_TRUE(s.frameCount() != 4 || differingPixels(bitmap, cellOf(s, 0), bitmap, cellOf(s, 2)) > 20)
            << s.fileName << ": the two states";
    }
}
