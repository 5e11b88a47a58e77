#include "widgets/gauge/core/QvObjects.h"
#include <gtest/gtest.h>

namespace {

using namespace qv;

TEST(TQvBevel, DefaultsAndTheProgramsExtent) {
    TQvBevel b;
    EXPECT_EQ(b.StyleOuter(), bvNone);
    EXPECT_EQ(b.Extent(), 0);
    EXPECT_EQ(b.BorderSides(), kAllFrameSides);
    EXPECT_EQ(b.LightColor(), clBtnHighlight);
    EXPECT_EQ(b.ShadowColor(), clBtnShadow);
    b.SetStyleOuter(bvLowered);
    EXPECT_EQ(b.Extent(), 1);
}

TEST(TQvBevel, ExtentFormula) {
    TQvBevel b;
    b.SetStyleOuter(bvFrameRaised);
    b.SetWidthOuter(3);
    b.SetBorderWidth(2);
    b.SetBorderInnerWidth(1);
    b.SetStyleInner(bvRaised);
    b.SetWidthInner(2);
    EXPECT_EQ(b.Extent(), 2 + 1 + (3 + 1) + 2);
    b.SetStyleInner(bvShadow); // the shadow style counts differently
    EXPECT_EQ(b.Extent(), 3 / 2 + 2 + 1 + 1);
    b.SetWidthOuter(99); // 0..50
    EXPECT_EQ(b.WidthOuter(), 50);
    b.SetMode(bmEdge);
    EXPECT_EQ(b.Extent(), 2 + 2); // etEtched is two lines
    b.SetMode(bmStandard);
    b.SetStandardStyle(lsNone);
    EXPECT_EQ(b.Extent(), 2);
}

TEST(TQvObject, NoticesReachTheOwnerUnlessLocked) {
    TQvBevel b;
    int notices = 0;
    b.SetOnChange([&](TQvObject&) { ++notices; });
    b.SetStyleOuter(bvLowered);
    b.SetStyleOuter(bvLowered); // unchanged: no notice
    EXPECT_EQ(notices, 1);
    b.BeginUpdate();
    b.SetStyleOuter(bvRaised);
    EXPECT_EQ(b.Extent(), 1) << "the extent follows also under the lock";
    b.SetWidthOuter(4);
    EXPECT_EQ(b.Extent(), 4);
    b.EndUpdate(false);
    EXPECT_EQ(notices, 1);
    b.SetBorderWidth(1);
    EXPECT_EQ(notices, 2);
}

TEST(TQvObject, AssignCopiesAndNotifiesOnce) {
    TQvSmallBar source, target;
    source.SetHSpace(2);
    source.SetVSpace(2);
    source.SetBarCount(0); // at least one segment
    EXPECT_EQ(source.BarCount(), 1);
    int notices = 0;
    target.SetOnChange([&](TQvObject&) { ++notices; });
    target.Assign(source);
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(target.HSpace(), 2);
    EXPECT_EQ(target.BarCount(), 1);
    TQv3DCaption c, d;
    c.SetStyle(tdRaised);
    d.Assign(c);
    EXPECT_EQ(d.Style(), tdRaised);
}

} // namespace
