#pragma once
#include <cstdint>

namespace qv {

// The gauge's enumerations, in value order.
enum TQvProgressStyle : std::uint8_t { pgBar, pgSmallBar, pgSmallBarColor, pgOwnerDraw };
enum TQvMeterDirection : std::uint8_t {
    mdHorizontal,
    mdVertical,
    mdHorizontalReverse,
    mdVerticalReverse
};
enum TQvMeterTextOptions : std::uint8_t { toNoText, toCaption, toPercent };
enum TQvBevelStyle : std::uint8_t {
    bvNone,
    bvLowered,
    bvRaised,
    bvFrameLowered,
    bvFrameRaised,
    bvNormal,
    bvShadow
};
enum TQvBevelMode : std::uint8_t { bmCustom, bmStandard, bmEdge };
enum TQvEdgeStyle : std::uint8_t {
    etRaisedInner,
    etRaisedOuter,
    etSunkenInner,
    etSunkenOuter,
    etBump,
    etEtched,
    etRaised,
    etSunken
};
enum TQvBorderStyle : std::uint8_t {
    lsNone,
    lsSingle,
    lsLowered,
    lsRaised,
    lsRaisedspb,
    lsLoweredspb,
    lsRaisedExt,
    lsLoweredExt,
    lsFrameInset,
    lsFrameOffset,
    lsWindowBorder,
    lsSingleRaised,
    lsSingleLowered,
    lsDoubleRaised,
    lsDoubleLowered
};
enum TQvThreeDStyle : std::uint8_t {
    tdNone,
    tdSunken,
    tdRaised,
    tdSunkenShadow,
    tdRaisedShadow,
    tdPColorSunken,
    tdPColorRaised,
    tdShadow
};
enum TQvDisabledStyle : std::uint8_t { dsAuto, dsStandard, ds3d, dsNone };
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

// 0..100
using TQvPercent = std::uint8_t;

} // namespace qv
