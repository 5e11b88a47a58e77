#pragma once
#include "main/InformationGauges.h"
#include "support/GaugePixels.h"
#include "widgets/gauge/QvProgress.h"

// The gauge as the program's layout configures gauge1 (bar style, caption, lowered bevel).
inline void ConfigureLikeGauge1(qv::TQvProgress& gauge) {
    LayOutInformationGauge(gauge, 39, "Memory");
}
