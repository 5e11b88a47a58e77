// The confirmation dialog's picture on a 256-colour display, where its colours depend on the
// system palette: the dialog realizes the picture's palette again whenever the system palette
// changes hands, in the foreground when it comes to the front, in the background otherwise.
#include "okunit/okform.h"
#include "support/MainWindowTest.h"
#include "support/Pump.h"
#include "support/Recorders.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// Another program's window with a palette of its own, which it realizes in the foreground; it
// notes who announced palette changes.
class PaletteProgram {
public:
    PaletteProgram() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "QvTestPaletteProgram";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(0, wc.lpszClassName, "Other program", WS_OVERLAPPEDWINDOW, 600,
                                  400, 200, 150, nullptr, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        // 236 colours no picture uses: every entry the system does not reserve.
        std::vector<BYTE> block(sizeof(LOGPALETTE) + 236 * sizeof(PALETTEENTRY));
        auto* logical = reinterpret_cast<LOGPALETTE*>(block.data());
        logical->palVersion = 0x300;
        logical->palNumEntries = 236;
        for (int i = 0; i < 236; ++i)
            logical->palPalEntry[i] = {BYTE(i + 10), BYTE(255 - i), BYTE(i * 7 % 256), 0};
        palette_ = CreatePalette(logical);
    }
    ~PaletteProgram() {
        DestroyWindow(window_);
        DeleteObject(palette_);
    }
    HWND Window() const { return window_; }
    const std::vector<HWND>& ChangesAnnounced() const { return changes_; }

    void ComeToFront() {
        ShowWindow(window_, SW_SHOW);
        qvtest::FocusWindow(window_);
        qvtest::PumpFor(50);
    }
    // Returns how many entries of the system palette it took.
    UINT RealizeInForeground() {
        HDC dc = GetDC(window_);
        HPALETTE previous = SelectPalette(dc, palette_, FALSE);
        UINT taken = RealizePalette(dc);
        SelectPalette(dc, previous, TRUE);
        ReleaseDC(window_, dc);
        return taken;
    }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<PaletteProgram*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self && message == WM_PALETTECHANGED)
            self->changes_.push_back(reinterpret_cast<HWND>(wParam));
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    HPALETTE palette_ = nullptr;
    std::vector<HWND> changes_;
};

class DialogPalette : public qvtest::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        HDC screen = GetDC(nullptr);
        const bool paletteDisplay = GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE;
        ReleaseDC(nullptr, screen);
        if (!paletteDisplay)
            GTEST_SKIP() << "not a palette display (this group runs on an 8-bit screen)";
        Start();
        dialog = std::make_unique<Tokform>();
        dialog->Show();
        qvtest::PumpFor(100);
    }
    void TearDown() override {
        dialog.reset();
        MainWindowTest::TearDown();
    }

    HWND Panel() const { return dialog->Panel1.Handle(); }
    // Whether the picture's area waits to be painted again.
    bool PictureAwaitsPaint() const {
        RECT update;
        if (!GetUpdateRect(Panel(), &update, FALSE))
            return false;
        const RECT picture = dialog->GIFImage1.Bounds();
        return update.left <= picture.left && update.top <= picture.top &&
               update.right >= picture.right && update.bottom >= picture.bottom;
    }

    std::unique_ptr<Tokform> dialog;
};

} // namespace

TEST_F(DialogPalette, AnotherProgramTakingThePaletteHasThePictureRealizedBehindAndDrawnAgain) {
    PaletteProgram other;
    other.ComeToFront();
    ValidateRect(Panel(), nullptr);
    qvtest::PaletteRealizeRecorder realized;
    ASSERT_GT(other.RealizeInForeground(), 0u);
    ASSERT_EQ(other.ChangesAnnounced(), std::vector<HWND>{other.Window()});
    const std::vector<qvtest::RecordedRealization> expected{
        {Panel(), dialog->GIFImage1.CurrentPalette(), true}};
    EXPECT_EQ(realized.Realizations(), expected);
    EXPECT_TRUE(PictureAwaitsPaint());
    qvtest::PumpFor(50);
    EXPECT_FALSE(PictureAwaitsPaint());
}

TEST_F(DialogPalette, AChangeItMadeItselfIsNotAnswered) {
    ValidateRect(Panel(), nullptr);
    qvtest::PaletteRealizeRecorder realized;
    SendMessageA(dialog->Handle(), WM_PALETTECHANGED, reinterpret_cast<WPARAM>(Panel()), 0);
    SendMessageA(dialog->Handle(), WM_PALETTECHANGED, reinterpret_cast<WPARAM>(dialog->Handle()),
                 0);
    EXPECT_TRUE(realized.Realizations().empty());
    EXPECT_FALSE(PictureAwaitsPaint());
}

TEST_F(DialogPalette, ComingToTheFrontRealizesThePictureInTheForeground) {
    PaletteProgram other;
    other.ComeToFront();
    other.RealizeInForeground();
    qvtest::PaletteRealizeRecorder realized;
    qvtest::FocusWindow(dialog->Handle());
    qvtest::PumpFor(50);
    ASSERT_EQ(GetForegroundWindow(), dialog->Handle());
    const std::vector<qvtest::RecordedRealization> expected{
        {Panel(), dialog->GIFImage1.CurrentPalette(), false}};
    EXPECT_EQ(realized.Realizations(), expected);
    // The answer to the system: a palette was realized; the main window has none to realize.
    EXPECT_EQ(SendMessageA(dialog->Handle(), WM_QUERYNEWPALETTE, 0, 0), TRUE);
    EXPECT_EQ(SendMessageA(form().Handle(), WM_QUERYNEWPALETTE, 0, 0), FALSE);
}
