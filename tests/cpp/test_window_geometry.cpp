// Window size and place on the screen, without a display.
#include <gtest/gtest.h>

#include "device/drivers/x11/window_geometry.h"

namespace vtx {
namespace {

WindowRequest onFullHd(int device, int pageW = 2969, int pageH = 2099) {
    WindowRequest r;
    r.screenW = 1920, r.screenH = 1080;
    r.pageW = pageW, r.pageH = pageH;
    r.device = device;
    return r;
}

void expectPlace(const WindowPlace& p, int x, int y, int w, int h) {
    EXPECT_EQ(p.x, x);
    EXPECT_EQ(p.y, y);
    EXPECT_EQ(p.width, w);
    EXPECT_EQ(p.height, h);
}

TEST(WindowGeometry, DefaultSizeFollowsThePageAndEachWindowNumberItsPlace) {
    expectPlace(windowPlace(onFullHd(72)), 629, 164, 1280, 905);
    // Upright page: two thirds of the screen height.
    expectPlace(windowPlace(onFullHd(74, 2099, 2969)), 11, 31, 509, 720);
    expectPlace(windowPlace(onFullHd(76)), 320, 97, 1280, 905);
    expectPlace(windowPlace(onFullHd(78)), 251, 166, 1280, 905);
    // The large window spans the screen less the frame; a place above the
    // screen's top becomes 0.
    expectPlace(windowPlace(onFullHd(80)), 11, 0, 1898, 1342);
}

TEST(WindowGeometry, GivenSizeIsLimitedToTheScreenAndGivenPositionKept) {
    WindowRequest r = onFullHd(76);
    r.place = 2, r.width = 5000, r.height = 5000;
    expectPlace(windowPlace(r), 11, 31, 1898, 1038);
    r = onFullHd(73);
    r.place = 1, r.x = 40, r.y = 50, r.width = 300, r.height = 200;
    expectPlace(windowPlace(r), 40, 50, 300, 200);
    r.place = 2;
    expectPlace(windowPlace(r), 1920 - 300 - 11, 31, 300, 200);
}

}  // namespace
}  // namespace vtx
