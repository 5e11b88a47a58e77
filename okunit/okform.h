#pragma once
#include "framework/BitButton.h"
#include "framework/Container.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "widgets/GIFImage/GIFImage.h"
#include <cstdint>
#include <optional>

// The confirmation dialog: asks "Save disk cache settings ?" when the main window closes with
// unsaved changes. Its three buttons give the answer (1 Yes, 2 No, 0 Cancel), which Ask returns
// once the dialog has closed.
//
// Keys: Enter presses the focused button (Yes when the dialog opens), Y and N press Yes and No,
// Escape presses the first cancel-type button in control order, which is No. The close box and
// Alt+F4 close it with the dialog result Cancel and no answer.
class Tokform : public qv::Form {
public:
    static constexpr int kClientWidth = 449;
    static constexpr int kClientHeight = 102;

    qv::BitButton BitBtn1;
    qv::BitButton BitBtn2;
    qv::Panel Panel1;
    qv::Label labelok;
    qv::TGIFImage GIFImage1{Panel1.Graphics()};
    qv::BitButton BitBtn3;

    // Creates the dialog hidden; the application's main form, which owns it, must exist.
    Tokform();

    // Shows the dialog modally and returns the answer of the button pressed, none when it was
    // closed without a button.
    std::optional<std::int32_t> Ask();

    void BitBtn1Click(qv::Component& sender);
    void BitBtn2Click(qv::Component& sender);
    void BitBtn3Click(qv::Component& sender);
    void FormShow(qv::Component& sender);

private:
    std::optional<std::int32_t> answer_;
};

// The one confirmation dialog of the program, created at start-up after the main window.
extern Tokform* okform;
