// Every picture the generator writes has the size and cell grid the game loads it with, and
// follows the rules of how the game draws it: keyed pictures are transparent (pure black)
// around their content, opaque ones match what lies beneath them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "AssetFiles.h"
#include "media/AssetCatalogue.h"

using assetfiles::Bitmap;
using assetfiles::Rgb;

namespace {

const Rgb panelFill{0, 0, 0x22};

Bitmap load(const char* name)
{
    auto bitmap = assetfiles::readBitmap(std::string(KELVARY_OUTPUT_DIR) + "/" + name);
    if (!bitmap) {
        ADD_FAILURE() << name << " is missing or not a 24-bit bitmap";
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

const PictureFile& formatOf(const std::string& name)
{
    for (const PictureFile& s : pictures::all)
        if (name == s.fileName)
            return s;
    throw std::logic_error(name);
}

// Pixels of a cell's outermost ring, as (x, y) in the picture.
std::vector<std::pair<int, int>> ring(const Cell& c)
{
    std::vector<std::pair<int, int>> out;
    for (int x = c.x; x < c.x + c.width; ++x) {
        out.push_back({x, c.y});
        out.push_back({x, c.y + c.height - 1});
    }
    for (int y = c.y + 1; y < c.y + c.height - 1; ++y) {
        out.push_back({c.x, y});
        out.push_back({c.x + c.width - 1, y});
    }
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
        const auto bitmap = assetfiles::readBitmap(std::string(KELVARY_OUTPUT_DIR) + "/" + s.fileName);
        ASSERT_TRUE(bitmap.has_value()) << s.fileName;
        EXPECT_EQ(bitmap->width, s.width) << s.fileName;
        EXPECT_EQ(bitmap->height, s.height) << s.fileName;
        EXPECT_EQ(s.width % s.columns, 0) << s.fileName;
        EXPECT_EQ(s.height % s.rows, 0) << s.fileName;
    }
}

TEST(PictureConformance, KeyedCellsHaveTransparentMarginsAroundVisibleContent)
{
    for (const PictureFile& s : pictures::all) {
        if (!s.keyed)
            continue;
        const Bitmap bitmap = load(s.fileName);
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
    const PictureFile& s = formatOf("blocks.bmp");
    const Bitmap bitmap = load(s.fileName);
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

TEST(PictureConformance, TheTenDigitCellsDiffer)
{
    for (const char* name : {"digits.bmp", "digits2.bmp"}) {
        const PictureFile& s = formatOf(name);
        const Bitmap bitmap = load(name);
        for (int a = 0; a < 10; ++a)
            for (int b = a + 1; b < 10; ++b)
                EXPECT_GT(differingPixels(bitmap, cellOf(s, a), bitmap, cellOf(s, b)), 4)
                    << name << ": digits " << a << " and " << b;
    }
}

TEST(PictureConformance, EveryButtonLooksDifferentUnderTheMouseAndInEachState)
{
    for (const char* name : {"start.bmp", "highscores.bmp", "options.bmp", "help.bmp", "exit.bmp", "exit2.bmp",
                             "harrowdine.bmp", "ok.bmp", "resetscores.bmp", "sound.bmp", "fullscreen.bmp"}) {
        const PictureFile& s = formatOf(name);
        const Bitmap bitmap = load(name);
        const int frames = s.columns * s.rows;
        for (int f = 0; f + 1 < frames; f += 2) {
            const Cell plain = cellOf(s, f), lit = cellOf(s, f + 1);
            EXPECT_GT(differingPixels(bitmap, plain, bitmap, lit), plain.width * plain.height / 10)
                << name << " frames " << f << " and " << f + 1;
        }
        if (frames == 4) {
            EXPECT_GT(differingPixels(bitmap, cellOf(s, 0), bitmap, cellOf(s, 2)), 20) << name << ": the two states";
        }
    }
}

TEST(PictureConformance, OpaquePicturesMatchWhatLiesBeneathThem)
{
    struct Placement {
        const char* name;
        const char* beneath;  // null: the panels' fill
        int x, y;
    };
    const Placement placements[] = {
        {"start.bmp", "title.bmp", 358, 216},
        {"highscores.bmp", "title.bmp", 349, 293},
        {"options.bmp", "title.bmp", 363, 324},
        {"help.bmp", "title.bmp", 378, 355},
        {"exit.bmp", "title.bmp", 378, 450},
        {"exit2.bmp", "field.bmp", 670, 499},
        {"harrowdine.bmp", "field.bmp", 651, 546},
        {"ok.bmp", nullptr, 0, 0},
        {"resetscores.bmp", nullptr, 0, 0},
        {"name.bmp", nullptr, 0, 0},
        {"score.bmp", nullptr, 0, 0},
        {"gameover.bmp", nullptr, 0, 0},
        {"congratulations.bmp", nullptr, 0, 0},
        {"tips.bmp", nullptr, 0, 0},
    };
    for (const Placement& p : placements) {
        const PictureFile& s = formatOf(p.name);
        const Bitmap bitmap = load(p.name);
        const Bitmap beneath = p.beneath ? load(p.beneath) : Bitmap{1, 1, {panelFill}};
        for (int frame = 0; frame < s.columns * s.rows; ++frame) {
            const Cell c = cellOf(s, frame);
            for (const auto& [x, y] : ring(c)) {
                const Rgb under = p.beneath ? beneath.at(p.x + x - c.x, p.y + y - c.y) : panelFill;
                ASSERT_EQ(bitmap.at(x, y), under) << p.name << " frame " << frame << " at " << x << "," << y;
            }
        }
    }
}

TEST(PictureConformance, CounterAreasOfTheFieldAreTheDigitCellsBackground)
{
    const Bitmap field = load("field.bmp");
    const Bitmap digits = load("digits.bmp");
    const Rgb background = digits.at(0, 0);
    const int digitWidth = pictures::digits.cellWidth(), digitHeight = pictures::digits.cellHeight();
    for (int d = 0; d < 10; ++d)
        for (const auto& [x, y] : ring({d * digitWidth, 0, digitWidth, digitHeight}))
            ASSERT_EQ(digits.at(x, y), background) << "digit cell " << d;
    struct Counter {
        int digits, left, right, y;
    };
    // The widest each counter can be, centred between its bounds: all of it must be plain.
    for (const Counter& c : {Counter{3, 20, 140, 50}, Counter{4, 20, 140, 130}, Counter{4, 20, 140, 210},
                             Counter{3, 20, 140, 470}, Counter{3, 20, 140, 550}, Counter{8, 660, 780, 50}}) {
        const int centre = (c.left + c.right) / 2;
        for (int y = c.y; y < c.y + digitHeight; ++y)
            for (int x = centre - c.digits * digitWidth / 2; x < centre + c.digits * digitWidth / 2; ++x)
                ASSERT_EQ(field.at(x, y), background) << "counter at y " << c.y << ", pixel " << x << "," << y;
    }
    // The time bar's inside is one plain colour for the game to fill.
    const Rgb bar = field.at(200, 50);
    for (int y = 50; y < 60; ++y)
        for (int x = 200; x < 600; ++x)
            ASSERT_EQ(field.at(x, y), bar) << x << "," << y;
}

TEST(PictureConformance, KeyedEdgesBlendTowardsWhatTheySitOnNeverTowardsBlack)
{
    // A soft edge mixed with black would leave a dark fringe around blocks, digits and
    // switches on the blue field; every visible pixel stays clear of near-black.
    for (const PictureFile& s : pictures::all) {
        if (!s.keyed)
            continue;
        const Bitmap bitmap = load(s.fileName);
        for (int y = 0; y < bitmap.height; ++y)
            for (int x = 0; x < bitmap.width; ++x) {
                const Rgb p = bitmap.at(x, y);
                if (!p.isBlack()) {
                    ASSERT_GE(std::max({p.r, p.g, p.b}), 30) << s.fileName << " at " << x << "," << y;
                }
            }
    }
}
