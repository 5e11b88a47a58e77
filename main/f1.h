#pragma once
// The main window: the Information, Disk Cache Size and File Cache boxes, the menu and the
// refresh timer. Handlers bear the names of the window's components and take the control that
// raised the event (the window is `this`). Each group below names the file that holds it; the
// controls are created in f1_layout.cpp, the menu in f1_menu.cpp, the events bound in f1.cpp.
#include "framework/Bevel.h"
#include "framework/CheckBox.h"
#include "framework/Container.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/Menu.h"
#include "framework/Picture.h"
#include "framework/SpinEdit.h"
#include "framework/Timer.h"
#include "framework/TrackBar.h"
#include "widgets/gauge/QvProgress.h"
#include <array>
#include <memory>
#include <string>

class Tf1 : public qv::Form {
public:
    static constexpr const char* kHomePage = "http://www.example.com/quorvane/";
    static constexpr const char* kHomePageShown = "example.com/quorvane/";
    static constexpr const char* kTitleLine = " Quorvane 3.5 - tuned by the Quorvane team";
    static constexpr const char* kHelpFileName = "Quorvane.hlp";

    // Creates the window (hidden) with its controls and menu, then runs `init`; an error in
    // `init` is shown in the standard error box and the window is created all the same.
    Tf1();
    ~Tf1() override;

    // ---- components, in the layout's order -------------------------------------------------
    qv::Bevel Bevel1{Graphics()};

    qv::GroupBox GroupBox1;
    qv::Label lb1;
    qv::Picture Image1;
    // The gauges (TQvProgress, 55,39,428,24 and 55,89,428,24 in GroupBox1): window-less
    // controls on GroupBox1.Graphics(), created with their layout by the monitor's code.
    std::unique_ptr<qv::TQvProgress> gauge1;
    qv::Label lb2;
    qv::Picture Image2;
    std::unique_ptr<qv::TQvProgress> gauge2;
    qv::Label Label7;
    qv::Bevel Bevel2{GroupBox1.Graphics()};
    qv::Label systemlabel;
    qv::Label gdilabel;
    qv::Label userlabel;
    qv::LinkLabel Label8;

    qv::GroupBox GroupBox2;
    qv::Label Label1;
    qv::TrackBar min;
    qv::SpinEdit emin;
    qv::Label Label2;
    qv::CheckBox enablemincache;
    qv::Label Label3;
    qv::TrackBar max;
    qv::SpinEdit emax;
    qv::Label Label4;
    qv::CheckBox enablemaxcache;
    qv::Label Label5;
    qv::TrackBar chunk;
    qv::SpinEdit echunk;
    qv::Label Label6;
    qv::CheckBox enablechunk;

    qv::GroupBox GroupBox3;
    qv::Label Label9;
    qv::TrackBar namecachebar;
    qv::SpinEdit enamecache;
    qv::CheckBox enablenamecache;
    qv::Label Label10;
    qv::TrackBar pathcachebar;
    qv::SpinEdit epathcache;

    qv::MainMenu MainMenu1;
    qv::Timer timer1;

    // ---- handlers: start-up and main window (f1.cpp) ---------------------------------------
    void init(qv::Component& sender);
    void Exit1Click(qv::Component& sender);
    void Contents1Click(qv::Component& sender);
    void Label8Click(qv::Component& sender);

    // ---- handlers: setting editors (Editors.cpp) -------------------------------------------
    void eminChange(qv::Component& sender);
    void emaxChange(qv::Component& sender);
    void echunkChange(qv::Component& sender);
    void enamecacheChange(qv::Component& sender);
    void epathcacheChange(qv::Component& sender);
    void eminExit(qv::Component& sender);
    void emaxExit(qv::Component& sender);
    void echunkExit(qv::Component& sender);
    void enamecacheExit(qv::Component& sender);
    void epathcacheExit(qv::Component& sender);
    void eminKeyUp(qv::Component& sender, unsigned key);
    void emaxKeyUp(qv::Component& sender, unsigned key);
    void echunkKeyUp(qv::Component& sender, unsigned key);
    void enamecacheKeyUp(qv::Component& sender, unsigned key);
    void epathcacheKeyUp(qv::Component& sender, unsigned key);
    void minChange(qv::Component& sender);
    void maxChange(qv::Component& sender);
    void chunkChange(qv::Component& sender);
    void namecachebarChange(qv::Component& sender);
    void pathcachebarChange(qv::Component& sender);
    void enablemincacheClick(qv::Component& sender);
    void enablemaxcacheClick(qv::Component& sender);
    void enablechunkClick(qv::Component& sender);
    void enablenamecacheClick(qv::Component& sender);

    // ---- handlers: tuning profiles (Presets.cpp) -------------------------------------------
    void win95standard(qv::Component& sender);
    void win95cdwriter(qv::Component& sender);
    void win95poweruser(qv::Component& sender);
    void win95lowmem(qv::Component& sender);
    void win95quake(qv::Component& sender);
    void win98standard(qv::Component& sender);
    void win98cdwriter(qv::Component& sender);
    void win98poweruser(qv::Component& sender);
    void win98lowmem(qv::Component& sender);
    void win98quake(qv::Component& sender);

    // ---- handlers: save, exit and close (SaveExit.cpp) -------------------------------------
    void save(qv::Component& sender);
    void saveexit(qv::Component& sender);
    void disablecache(qv::Component& sender);
    void FormCloseQuery(qv::Component& sender, bool& canClose);
    void FormClose(qv::Component& sender);

    // ---- handler: the refresh timer (Sampling.cpp) -----------------------------------------
    void updatemem(qv::Component& sender);

    // The window's layout table: every windowed control, its box, place, tab order, caption, font,
    // start state and help topic (f1_layout.cpp). The window-less controls are placed after it.
    static constexpr std::size_t kPlacedControls = 34;
    std::array<qv::Placement, kPlacedControls> Layout();

private:
    void CreateControls(); // f1_layout.cpp
    void CreateMenu();     // f1_menu.cpp
    void BindEvents();
};

// The main window, created at start-up.
extern Tf1* f1;
