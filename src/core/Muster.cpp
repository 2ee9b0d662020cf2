#include "core/Muster.h"

#include <vector>

namespace ct {

namespace {

// Heart, 38 x 38: mirror-symmetric about the line between columns 19 and 20.
const std::vector<Lauf> Herz38{
    {10, 10, 15, 16}, {10, 10, 23, 24},
    {11, 11, 13, 18}, {11, 11, 21, 26},
    {12, 15, 12, 27},
    {16, 17, 13, 26},
    {18, 19, 14, 25},
    {20, 20, 15, 24},
    {21, 21, 16, 23},
    {22, 23, 17, 22},
    {24, 25, 18, 21},
    {26, 26, 19, 20},
};

// Brain, 38 x 38: mirror-symmetric about both middle lines.
const std::vector<Lauf> Gehirn38{
    {3, 3, 11, 13}, {3, 3, 26, 28},
    {4, 4, 9, 15}, {4, 4, 24, 30},
    {5, 5, 8, 16}, {5, 5, 23, 31},
    {6, 6, 7, 17}, {6, 6, 22, 32},
    {7, 8, 6, 17}, {7, 8, 22, 33},
    {9, 10, 5, 18}, {9, 10, 21, 34},
    {11, 13, 4, 18}, {11, 13, 21, 35},
    {14, 14, 4, 35},
    {15, 24, 3, 36},
    {25, 25, 4, 35},
    {26, 28, 4, 18}, {26, 28, 21, 35},
    {29, 30, 5, 18}, {29, 30, 21, 34},
    {31, 32, 6, 17}, {31, 32, 22, 33},
    {33, 33, 7, 17}, {33, 33, 22, 32},
    {34, 34, 8, 16}, {34, 34, 23, 31},
    {35, 35, 9, 15}, {35, 35, 24, 30},
    {36, 36, 11, 13}, {36, 36, 26, 28},
};

// Spine, 38 x 38: a ring, a wide base row and a point below it.
const std::vector<Lauf> Wirbelsaeule38{
    {7, 7, 18, 22},
    {8, 8, 16, 24},
    {9, 9, 15, 17}, {9, 9, 23, 25},
    {10, 10, 15, 16}, {10, 10, 24, 25},
    {11, 12, 14, 15}, {11, 12, 25, 26},
    {13, 17, 13, 14}, {13, 17, 26, 27},
    {18, 19, 14, 15}, {18, 19, 25, 26},
    {20, 20, 15, 16}, {20, 20, 24, 25},
    {21, 21, 15, 17}, {21, 21, 23, 25},
    {22, 22, 16, 24},
    {23, 23, 10, 29},
    {24, 24, 7, 32},
    {25, 25, 5, 34},
    {26, 26, 1, 38},
    {27, 27, 17, 23},
    {28, 28, 18, 22},
    {29, 30, 19, 21},
    {31, 32, 20, 20},
};

// Heart, 56 x 56: mirror-symmetric about the line between columns 28 and 29;
// from row 32 down to its point in row 53 one run per row, from column
// y - 25 to column 82 - y.
const std::vector<Lauf> Herz56 = [] {
    std::vector<Lauf> l{
        {6, 6, 13, 19}, {6, 6, 38, 44},
        {7, 7, 10, 22}, {7, 7, 35, 47},
        {8, 8, 8, 24}, {8, 8, 33, 49},
        {9, 9, 7, 25}, {9, 9, 32, 50},
        {10, 10, 6, 26}, {10, 10, 31, 51},
        {11, 11, 5, 27}, {11, 11, 30, 52},
        {12, 13, 4, 53},
        {14, 15, 3, 54},
        {16, 23, 2, 55},
        {24, 25, 3, 54},
        {26, 27, 4, 53},
        {28, 29, 5, 52},
        {30, 31, 6, 51},
    };
    for (int y = 32; y <= 53; ++y)
        l.push_back({y, y, y - 25, 82 - y});
    return l;
}();

// Brain, 56 x 56: mirror-symmetric about the line between columns 28 and 29,
// not about the horizontal middle.
const std::vector<Lauf> Gehirn56{
    {3, 3, 16, 19}, {3, 3, 38, 41},
    {4, 4, 14, 21}, {4, 4, 36, 43},
    {5, 5, 13, 22}, {5, 5, 35, 44},
    {6, 6, 12, 23}, {6, 6, 34, 45},
    {7, 7, 11, 24}, {7, 7, 33, 46},
    {8, 8, 10, 24}, {8, 8, 33, 47},
    {9, 9, 9, 25}, {9, 9, 32, 48},
    {10, 11, 8, 25}, {10, 11, 32, 49},
    {12, 13, 7, 26}, {12, 13, 31, 50},
    {14, 14, 6, 26}, {14, 14, 31, 51},
    {15, 15, 6, 27}, {15, 15, 30, 51},
    {16, 19, 5, 27}, {16, 19, 30, 52},
    {20, 20, 5, 52},
    {21, 36, 4, 53},
    {37, 37, 5, 52},
    {38, 40, 5, 27}, {38, 40, 30, 52},
    {41, 42, 6, 27}, {41, 42, 30, 51},
    {43, 43, 6, 26}, {43, 43, 31, 51},
    {44, 45, 7, 26}, {44, 45, 31, 50},
    {46, 47, 8, 25}, {46, 47, 32, 49},
    {48, 48, 9, 24}, {48, 48, 33, 48},
    {49, 49, 10, 24}, {49, 49, 33, 47},
    {50, 50, 11, 23}, {50, 50, 34, 46},
    {51, 51, 12, 22}, {51, 51, 35, 45},
    {52, 52, 14, 20}, {52, 52, 37, 43},
    {53, 53, 16, 19}, {53, 53, 38, 41},
};

// Spine, 56 x 56.
const std::vector<Lauf> Wirbelsaeule56{
    {9, 9, 25, 31},
    {10, 10, 23, 33},
    {11, 11, 21, 35},
    {12, 12, 20, 36},
    {13, 13, 19, 25}, {13, 13, 31, 37},
    {14, 14, 19, 23}, {14, 14, 33, 37},
    {15, 15, 18, 22}, {15, 15, 34, 38},
    {16, 16, 17, 21}, {16, 16, 35, 39},
    {17, 18, 17, 20}, {17, 18, 36, 39},
    {19, 26, 16, 19}, {19, 26, 37, 40},
    {27, 28, 17, 20}, {27, 28, 36, 39},
    {29, 29, 17, 21}, {29, 29, 35, 39},
    {30, 30, 18, 22}, {30, 30, 34, 38},
    {31, 31, 19, 24}, {31, 31, 32, 37},
    {32, 32, 19, 37},
    {33, 33, 20, 36},
    {34, 34, 22, 34},
    {35, 35, 19, 38},
    {36, 36, 14, 43},
    {37, 37, 10, 47},
    {38, 38, 7, 50},
    {39, 39, 5, 52},
    {40, 40, 1, 56},
    {41, 41, 24, 32},
    {42, 43, 25, 31},
    {44, 45, 26, 30},
    {46, 48, 27, 29},
    {49, 51, 28, 28},
};

}  // namespace

std::span<const Lauf> Musterlaeufe(Muster m, int raster)
{
    if (raster == 38)
        switch (m) {
        case Muster::Wirbelsaeule:
            return Wirbelsaeule38;
        case Muster::Herz:
            return Herz38;
        case Muster::Gehirn:
            return Gehirn38;
        }
    if (raster == 56)
        switch (m) {
        case Muster::Wirbelsaeule:
            return Wirbelsaeule56;
        case Muster::Herz:
            return Herz56;
        case Muster::Gehirn:
            return Gehirn56;
        }
    return {};
}

void MusterMalen(Muster m, int raster, const Zellmaler& malen)
{
    for (const Lauf& l : Musterlaeufe(m, raster))
        for (int y = l.ZeileVon; y <= l.ZeileBis; ++y)
            for (int x = l.SpalteVon; x <= l.SpalteBis; ++x)
                malen(x, y);
}

void WirbelsaeuleMalen(int raster, const Zellmaler& malen)
{
    MusterMalen(Muster::Wirbelsaeule, raster, malen);
}

void HerzMalen(int raster, const Zellmaler& malen)
{
    MusterMalen(Muster::Herz, raster, malen);
}

void GehirnMalen(int raster, const Zellmaler& malen)
{
    MusterMalen(Muster::Gehirn, raster, malen);
}

}  // namespace ct
