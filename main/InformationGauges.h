#pragma once
#include "widgets/gauge/QvProgress.h"
#include <string>

class Tf1;

// Gives a gauge the layout of the Information box's two gauges: bar style, caption as text,
// lowered outer bevel, maximum 64000, position 40 (user value 25600), small-bar spacing 2.
void LayOutInformationGauge(qv::TQvProgress& gauge, int top, const std::string& caption);

// Creates gauge1 ("Memory") and gauge2 ("Swap File") on GroupBox1.
void CreateInformationGauges(Tf1& form);
