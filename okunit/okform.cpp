#include "okunit/okform.h"

Tokform* okform = nullptr;

Tokform::Tokform() {
    SetName("okform");
    qv::FormSpec spec{"Quorvane Confirmation Dialog", kClientWidth, kClientHeight};
    spec.border = qv::FormSpec::Border::Dialog;
    spec.minimizeBox = false;
    spec.contextHelpButton = true;
    spec.stayOnTop = true;
    spec.font = qv::kMsSansSerif11;
    CreateForm(spec);
}
