#include "main/InformationGauges.h"
#include "main/f1.h"

void LayOutInformationGauge(qv::TQvProgress& gauge, int top, const std::string& caption) {
    // The layout's properties in its own order; nothing is drawn while they load.
    gauge.BeginLoading();
    gauge.SetLayoutBounds(55, top, 428, 24);
    gauge.Bevel().SetStyleOuter(qv::bvLowered);
    gauge.SetCaption(caption);
    gauge.SetMaxValue(64000);
    gauge.SetOptionsText(qv::toCaption);
    gauge.SmallBar().SetHSpace(2);
    gauge.SmallBar().SetVSpace(2);
    gauge.SetStyle(qv::pgBar);
    gauge.SetPosition(40);
    gauge.SetUserValue(25600);
    gauge.EndLoading();
}

void CreateInformationGauges(Tf1& form) {
    form.gauge1 = std::make_unique<qv::TQvProgress>(form.GroupBox1.Graphics());
    LayOutInformationGauge(*form.gauge1, 39, "Memory");
    form.gauge2 = std::make_unique<qv::TQvProgress>(form.GroupBox1.Graphics());
    LayOutInformationGauge(*form.gauge2, 89, "Swap File");
}
