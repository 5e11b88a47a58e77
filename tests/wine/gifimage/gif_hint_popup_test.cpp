// The image control as a graphic control of a real form: its hint and its popup menu.
#include "Pictures.h"
#include "support/HostWindow.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Hint.h"
#include "framework/Menu.h"
#include "support/PointerAndMenus.h"
#include "support/Pump.h"
#include "widgets/GIFImage/GIFImage.h"
#include <gtest/gtest.h>
#include <memory>

using namespace qvtest;

namespace {

class PictureForm : public qv::Form {
public:
    std::unique_ptr<qv::TGIFImage> image;
    PictureForm() {
        CreateForm(qv::FormSpec{"Picture", 200, 120});
        image = std::make_unique<qv::TGIFImage>(Graphics());
        image->SetName("GIFImage1");
        image->SetAutoSize(false);
        image->SetStretch(true);
        image->SetBounds(10, 10, 60, 60);
        Show();
        qv::Application::Instance().ProcessMessages();
    }
};

class GifHintPopup : public ::testing::Test {
protected:
    qv::Application& app = qv::Application::Instance();
    PictureForm form;

    void SetUp() override {
        ASSERT_TRUE(form.image->LoadStream(Picture(4, 4, {FrameSpec{0, 0, 4, 4, kBlue}})));
        app.SetHintPause(30);
        app.SetHintHidePause(60000);
        FocusWindow(form.Handle());
    }
    void TearDown() override {
        MenuWasAnswered();
        ParkPointer();
        app.CancelHint();
        app.SetHintPause(500);
        app.SetHintHidePause(2500);
        PumpFor(20);
    }
};

} // namespace

TEST_F(GifHintPopup, ShowsItsShortHintWhenItsFormShowsHints) {
    form.image->SetHint("Quorvane|The program's picture");
    EXPECT_FALSE(form.image->ShowHint()); // a form shows no hints until asked
    form.SetShowHint(true);
    EXPECT_TRUE(form.image->ShowHint());
    MovePointerTo(form.Handle(), 40, 40);
    ASSERT_TRUE(PumpUntil([] { return ShownHint() != nullptr; }));
    EXPECT_EQ(HintText(), "Quorvane");
    EXPECT_EQ(app.Hints().CurrentControl(), form.image.get());

    // Destroying the control takes its hint away.
    form.image.reset();
    EXPECT_EQ(ShownHint(), nullptr);
    EXPECT_EQ(app.Hints().CurrentControl(), nullptr);
}

TEST_F(GifHintPopup, RightClickShowsItsPopupMenu) {
    qv::PopupMenu menu;
    std::vector<std::string> events;
    const std::vector<qv::MenuRow> rows{
        {"copy1", 0, "&Copy", 0,
         [&](qv::Component& sender) { events.push_back("click:" + sender.Name()); }},
    };
    menu.Build(rows);
    menu.OnPopup = [&](qv::Component&) { events.push_back("popup"); };
    form.image->SetPopupMenu(&menu);
    form.image->OnMouseUp = [&](qv::Component& sender, qv::TMouseButton button, qv::TShiftState,
                                int x, int y) {
        events.push_back("up:" + sender.Name() + (button == qv::mbRight ? ":right:" : ":left:") +
                         std::to_string(x) + "," + std::to_string(y));
    };

    AnswerNextMenu({VK_DOWN, VK_RETURN});
    RightClick(form.Handle(), 40, 45);
    EXPECT_TRUE(MenuWasAnswered());
    EXPECT_EQ(events,
              (std::vector<std::string>{"up:GIFImage1:right:30,35", "popup", "click:copy1"}));
    EXPECT_EQ(menu.PopupComponent(), form.image.get());
    form.image.reset();
    EXPECT_EQ(menu.PopupComponent(), nullptr);
}

TEST_F(GifHintPopup, OnABareHostTheHostsOwnValueDecides) {
    HostWindow host(0, 0, 120, 120, RGB(10, 120, 200));
    qv::TGIFImage image(host.Host());
    ASSERT_TRUE(image.LoadStream(Picture(4, 4, {FrameSpec{0, 0, 4, 4, kGreen}})));
    image.SetAutoSize(false);
    image.SetBounds(0, 0, 80, 80);
    image.SetHint("Bare");
    EXPECT_FALSE(image.ShowHint());
    MovePointerTo(host.Window(), 40, 40);
    PumpFor(200);
    EXPECT_EQ(ShownHint(), nullptr);

    host.Host().SetShowHint(true);
    MovePointerTo(host.Window(), 41, 41); // the next move over it starts the pause
    EXPECT_TRUE(PumpUntil([] { return ShownHint() && HintText() == "Bare"; }));
}
