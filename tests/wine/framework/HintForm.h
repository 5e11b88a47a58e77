#pragma once
// A form with window-less boxes for the hint and popup-menu tests: two boxes side by side on the
// form, one on a panel.
#include "framework/Application.h"
#include "framework/Container.h"
#include "framework/Form.h"
#include "framework/GraphicControl.h"
#include <array>
#include <memory>
#include <string>
#include <vector>

class Box : public qv::GraphicControl {
public:
    Box(qv::GraphicHost& host, int left, int top, int width, int height) : GraphicControl(host) {
        SetBounds(left, top, width, height);
    }
    void Paint(HDC dc) override {
        RECT r = ClientRect();
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
};

class HintForm : public qv::Form {
public:
    qv::Panel panel;
    std::unique_ptr<Box> left, right, inner;
    std::vector<std::string> events;

    HintForm() {
        CreateForm(qv::FormSpec{"Hints", 320, 200});
        const std::array<qv::Placement, 1> layout{{
            {panel, *this, "panel", 200, 10, 110, 180, 0, nullptr, nullptr, true, 0},
        }};
        qv::PlaceControls(layout);
        left = std::make_unique<Box>(Graphics(), 10, 10, 80, 60);
        right = std::make_unique<Box>(Graphics(), 90, 10, 80, 60); // touches left
        inner = std::make_unique<Box>(panel.Graphics(), 10, 10, 80, 60);
        left->SetName("left");
        right->SetName("right");
        inner->SetName("inner");
        for (Box* b : {left.get(), right.get(), inner.get()}) {
            b->OnMouseDown = [this](qv::Component& c, qv::TMouseButton button, qv::TShiftState, int,
                                    int) { events.push_back(Button("down", c, button)); };
            b->OnMouseUp = [this](qv::Component& c, qv::TMouseButton button, qv::TShiftState, int,
                                  int) { events.push_back(Button("up", c, button)); };
        }
        Show();
        qv::Application::Instance().ProcessMessages();
    }

private:
    static std::string Button(const char* what, qv::Component& c, qv::TMouseButton button) {
        return std::string(what) + ":" + c.Name() + (button == qv::mbRight ? ":right" : ":left");
    }
};
