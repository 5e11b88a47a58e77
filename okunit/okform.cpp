#include "okunit/okform.h"
#include "okunit/YesPicture.h"
#include "okunit/core/OkformPicture.h"
#include "widgets/GIFImage/core/GifDataValue.h"
#include <array>
#include <vector>

Tokform* okform = nullptr;

namespace {

constexpr qv::FontSpec kArial12{"Arial", -12};

// Dialog results of the buttons, numbered as the platform's message-box answers.
constexpr int kYesResult = qv::mrOk;
constexpr int kNoResult = qv::mrNo;
constexpr int kCancelResult = qv::mrCancel;

} // namespace

Tokform::Tokform() {
    SetName("okform");
    qv::FormSpec spec{"Quorvane Confirmation Dialog", kClientWidth, kClientHeight};
    spec.border = qv::FormSpec::Border::Dialog;
    spec.minimizeBox = false;
    spec.contextHelpButton = true; // shows nothing: no control carries a help context
    spec.stayOnTop = true;
    spec.font = qv::kMsSansSerif11;
    CreateForm(spec);

    // Control order, which is also the tab order: BitBtn1, BitBtn2, Panel1, BitBtn3.
    // Panel1 spans the client width at the top, as its top alignment places it.
    const std::array<qv::Placement, 5> layout{{
        {BitBtn1, *this, "BitBtn1", 5, 74, 122, 24, 0, "&Yes", nullptr, true, 0},
        {BitBtn2, *this, "BitBtn2", 133, 74, 122, 24, 1, "&No", nullptr, true, 0},
        {Panel1, *this, "Panel1", 0, 0, 449, 70, 2, nullptr, nullptr, true, 0},
        {labelok, Panel1, "labelok", 76, 28, 146, 15, -1, "Save disk cache settings ?", &kArial12,
         true, 0},
        {BitBtn3, *this, "BitBtn3", 323, 74, 122, 24, 3, "Cancel", nullptr, true, 0},
    }};
    // 146 pixels hold the question in Arial; where another font stands in for it, or a font
    // scaled to the screen needs more room, the label grows to it (Label's AutoSize).
    qv::PlaceControls(layout);

    // GIFImage1 on Panel1: its streamed properties, then its "Data" value (the count and the
    // GIF bytes) and the decode that follows streaming. One transparent frame: drawn masked over
    // the panel, never animated.
    GIFImage1.SetName("GIFImage1");
    GIFImage1.SetLayoutBounds(13, 11, 48, 48);
    GIFImage1.SetAutoSize(true);
    GIFImage1.SetCenter(true);
    GIFImage1.ReadDataValue(qv::WriteDataValue(std::vector<std::uint8_t>(
        qv::kOkformPicture, qv::kOkformPicture + qv::kOkformPictureSize)));
    GIFImage1.AfterStreaming();

    BitBtn1.SetPictures(kYesPicture, kYesPictureDisabled);
    BitBtn1.SetKind(qv::BitButton::Kind::Default);
    BitBtn1.SetModalResult(kYesResult);
    BitBtn1.OnClick = qv::Bind(this, &Tokform::BitBtn1Click);

    BitBtn2.SetGlyph(qv::BitButton::Glyph::No);
    BitBtn2.SetKind(qv::BitButton::Kind::Cancel);
    BitBtn2.SetModalResult(kNoResult);
    BitBtn2.OnClick = qv::Bind(this, &Tokform::BitBtn2Click);

    BitBtn3.SetGlyph(qv::BitButton::Glyph::Cancel);
    BitBtn3.SetKind(qv::BitButton::Kind::Cancel);
    BitBtn3.SetModalResult(kCancelResult);
    BitBtn3.OnClick = qv::Bind(this, &Tokform::BitBtn3Click);

    OnShow = qv::Bind(this, &Tokform::FormShow);
}

std::optional<std::int32_t> Tokform::Ask() {
    answer_.reset();
    ShowModal();
    return answer_;
}

void Tokform::BitBtn1Click(qv::Component&) {
    answer_ = 1;
}

void Tokform::BitBtn2Click(qv::Component&) {
    answer_ = 2;
}

void Tokform::BitBtn3Click(qv::Component&) {
    answer_ = 0;
}

void Tokform::FormShow(qv::Component&) {
    BitBtn1.SetFocus();
}
