#pragma once
// The confirmation dialog asked when the main window closes with unsaved changes. Created
// hidden at start-up, shown modally by the close query.
#include "framework/Form.h"

class Tokform : public qv::Form {
public:
    static constexpr int kClientWidth = 449;
    static constexpr int kClientHeight = 102;

    Tokform();
};

// The dialog, created at start-up after the main window.
extern Tokform* okform;
