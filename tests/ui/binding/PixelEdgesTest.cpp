#include "ui/binding/PixelEdges.h"

#include <gtest/gtest.h>

#include <random>

// Twips to pixels by edges, for both bindings: each edge is the nearest
// pixel, worked out here in whole numbers, and controls the design sets
// side by side meet at every dpi.
namespace trevalo::ui {
namespace {

// The pixel nearest to `twips` at `dpi`, half-way rounded away from zero.
int nearest(int twips, int dpi)
{
    const long long scaled = 2LL * twips * dpi;
    const long long twice_twips_per_inch = 2LL * 1440;
    return int(scaled >= 0 ? (scaled + 1440) / twice_twips_per_inch : -((-scaled + 1440) / twice_twips_per_inch));
}

TEST(PixelEdges, EachEdgeIsTheNearestPixel)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-2000, 20000);
    std::uniform_int_distribution<int> length(0, 6000);
    for (int dpi : { 72, 96, 120, 144, 168, 192, 288 }) {
        for (int i = 0; i < 2000; ++i) {
            const Place place { coordinate(random), coordinate(random), length(random), length(random) };
            const PixelEdges edges = PixelEdges::of(place, dpi);
            EXPECT_EQ(edges, (PixelEdges { nearest(place.left, dpi), nearest(place.top, dpi), nearest(place.right(), dpi),
                                 nearest(place.bottom(), dpi) }))
                << dpi << " dpi: " << place.left << "," << place.top << " " << place.width << "x" << place.height;
        }
    }
    // The design's whole pixels at 96 dpi stay whole, and half-way lengths
    // go up.
    EXPECT_EQ(PixelEdges::pixels(1500, 96), 100);
    EXPECT_EQ(PixelEdges::pixels(15, 144), 2);
    EXPECT_EQ(PixelEdges::pixels(5, 144), 1);
}

TEST(PixelEdges, ControlsSideBySideMeetAtAnyDpi)
{
    for (double dpi : { 96.0, 110.5, 120.0, 144.0, 192.0 }) {
        int left = 120;
        for (int width : { 1335, 1335, 1000, 975, 1335 }) {
            const PixelEdges one = PixelEdges::of({ left, 0, width, 300 }, dpi);
            const PixelEdges next = PixelEdges::of({ left + width, 0, 500, 300 }, dpi);
            EXPECT_EQ(one.right, next.left) << dpi << " dpi, at " << left + width;
            left += width;
        }
    }
}

}
}
