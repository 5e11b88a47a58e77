#pragma once
// A form with a panel that hosts window-less probe controls; each probe paints one colour and
// writes every mouse event it receives into the form's event list.
#include "framework/Application.h"
#include "framework/Container.h"
#include "framework/Form.h"
#include "framework/GraphicControl.h"
#include <memory>
#include <string>
#include <vector>

class Probe : public qv::GraphicControl {
public:
    Probe(qv::GraphicHost& host, const char* name, std::vector<std::string>& events)
        : GraphicControl(host), events_(events) {
        SetName(name);
        OnClick = [this](qv::Component& s) { Log("click:" + s.Name()); };
        OnDblClick = [this](qv::Component& s) { Log("dblclick:" + s.Name()); };
        OnMouseDown = [this](qv::Component& s, qv::TMouseButton b, qv::TShiftState sh, int x,
                             int y) { Log("down:" + s.Name() + ":" + Describe(b, sh, x, y)); };
        OnMouseUp = [this](qv::Component& s, qv::TMouseButton b, qv::TShiftState sh, int x, int y) {
            Log("up:" + s.Name() + ":" + Describe(b, sh, x, y));
        };
        OnMouseMove = [this](qv::Component& s, qv::TShiftState sh, int x, int y) {
            Log("move:" + s.Name() + ":" + Shift(sh) + std::to_string(x) + "," + std::to_string(y));
        };
    }
    void Paint(HDC dc) override {
        HBRUSH b = CreateSolidBrush(RGB(0, 0, 255));
        RECT r = ClientRect();
        FillRect(dc, &r, b);
        DeleteObject(b);
    }

private:
    static std::string Shift(qv::TShiftState s) {
        std::string out;
        if (s & qv::ssShift)
            out += "S";
        if (s & qv::ssCtrl)
            out += "C";
        if (s & qv::ssLeft)
            out += "L";
        if (s & qv::ssRight)
            out += "R";
        if (s & qv::ssMiddle)
            out += "M";
        if (s & qv::ssDouble)
            out += "D";
        return out.empty() ? "" : out + ":";
    }
    static std::string Describe(qv::TMouseButton b, qv::TShiftState s, int x, int y) {
        const char* button = b == qv::mbLeft ? "L" : b == qv::mbRight ? "R" : "M";
        return std::string(button) + ":" + Shift(s) + std::to_string(x) + "," + std::to_string(y);
    }
    void Log(const std::string& e) { events_.push_back(e); }
    std::vector<std::string>& events_;
};

class ProbeForm : public qv::Form {
public:
    qv::Panel panel;
    std::vector<std::string> events;

    ProbeForm() {
        CreateForm(qv::FormSpec{"Probes", 300, 200});
        const qv::Placement layout[] = {
            {panel, *this, "panel", 10, 10, 200, 100, 0, "", nullptr, true, 0},
        };
        qv::PlaceControls(layout);
        Show();
        qv::Application::Instance().ProcessMessages();
    }
    Probe& Add(const char* name, int left, int top, int width, int height) {
        probes_.push_back(std::make_unique<Probe>(panel.Graphics(), name, events));
        probes_.back()->SetBounds(left, top, width, height);
        return *probes_.back();
    }
    void Destroy(Probe& probe) {
        std::erase_if(probes_, [&](const auto& p) { return p.get() == &probe; });
    }
    // Sends a mouse message to the panel at a point of its client area.
    LRESULT Mouse(UINT message, int x, int y, WPARAM keys = 0) {
        return SendMessageA(panel.Handle(), message, keys, MAKELPARAM(x, y));
    }

private:
    std::vector<std::unique_ptr<Probe>> probes_;
};
