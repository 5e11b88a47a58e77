#pragma once
// A small form with one control of each kind, for the framework's tests.
#include "framework/Application.h"
#include "framework/BitButton.h"
#include "framework/CheckBox.h"
#include "framework/Container.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/SpinEdit.h"
#include "framework/TrackBar.h"
#include <array>
#include <string>
#include <vector>

class TestForm : public qv::Form {
public:
    qv::GroupBox box;
    qv::TrackBar bar;
    qv::SpinEdit spin;
    qv::SpinEdit other;
    qv::CheckBox check;
    qv::Label label;

    // Every event in the order it arrived: "bar", "spin", "exit", "keyup:13", "check:1" ...
    std::vector<std::string> events;

    TestForm() {
        CreateForm(qv::FormSpec{"Test", 300, 200});
        const std::array<qv::Placement, 6> layout{{
            {box, *this, "box", 5, 5, 290, 190, 0, "Box", &qv::kArial11, true, 0},
            {label, box, "label", 10, 20, 100, 13, -1, "Label", nullptr, true, 0},
            {bar, box, "bar", 8, 42, 200, 30, 0, nullptr, nullptr, true, 1},
            {spin, box, "spin", 210, 42, 55, 23, 1, "32", nullptr, true, 0},
            {other, box, "other", 210, 100, 55, 23, 2, "5", nullptr, true, 0},
            {check, box, "check", 10, 140, 60, 17, 3, "Enabled", nullptr, true, 0},
        }};
        qv::PlaceControls(layout);
        bar.SetRange(16, 1024);
        bar.SetLineSize(16);
        bar.SetPageSize(3000);
        bar.SetTickFrequency(32);
        bar.SetPosition(512);
        spin.SetMinValue(16);
        spin.SetMaxValue(128);
        spin.SetIncrement(8);
        other.SetMinValue(0);
        other.SetMaxValue(10);
        bar.OnChange = [this](qv::Component&) { events.push_back("bar"); };
        spin.OnChange = [this](qv::Component&) { events.push_back("spin:" + spin.Text()); };
        spin.OnExit = [this](qv::Component&) { events.push_back("exit"); };
        spin.OnKeyUp = [this](qv::Component&, unsigned key) {
            events.push_back("keyup:" + std::to_string(key));
        };
        check.OnClick = [this](qv::Component&) {
            events.push_back(std::string("check:") + (check.Checked() ? "1" : "0"));
        };
        Show();
        qv::Application::Instance().ProcessMessages();
    }

    int Count(const std::string& prefix) const {
        int n = 0;
        for (const std::string& e : events)
            n += e.rfind(prefix, 0) == 0;
        return n;
    }
};
