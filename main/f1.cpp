#include "main/f1.h"
#include "framework/Application.h"
#include "framework/ErrorBox.h"
#include "framework/MessageBox.h"
#include "framework/Seams.h"
#include "main/ModuleState.h"
#include "main/Sampling.h"
#include "main/SettingsStore.h"
#include "main/core/HelpFile.h"
#include "main/resource.h"

Tf1* f1 = nullptr;

namespace {

std::string ExecutablePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

} // namespace

Tf1::Tf1() {
    SetName("f1");
    qv::FormSpec spec{" Quorvane", 497, 514};
    spec.border = qv::FormSpec::Border::Single;
    spec.minimizeBox = true;
    spec.font = qv::kArial11;
    spec.iconResource = IDI_QUORVANE;
    spec.helpContext = 1;
    CreateForm(spec);
    CreateControls();
    CreateMenu();
    timer1.SetName("timer1");
    timer1.SetEnabled(false);
    BindEvents();
    // The creation handler: an error ends it early; the window opens all the same.
    try {
        init(*this);
    } catch (...) {
        qv::ReportCurrentException();
    }
}

Tf1::~Tf1() {
    if (f1 == this)
        f1 = nullptr;
}

void Tf1::BindEvents() {
    using qv::Bind;
    OnCloseQuery = Bind(this, &Tf1::FormCloseQuery);
    OnClose = Bind(this, &Tf1::FormClose);
    timer1.SetOnTimer(Bind(this, &Tf1::updatemem));
    Label8.OnClick = Bind(this, &Tf1::Label8Click);

    min.OnChange = Bind(this, &Tf1::minChange);
    max.OnChange = Bind(this, &Tf1::maxChange);
    chunk.OnChange = Bind(this, &Tf1::chunkChange);
    namecachebar.OnChange = Bind(this, &Tf1::namecachebarChange);
    pathcachebar.OnChange = Bind(this, &Tf1::pathcachebarChange);

    emin.OnChange = Bind(this, &Tf1::eminChange);
    emin.OnExit = Bind(this, &Tf1::eminExit);
    emin.OnKeyUp = Bind(this, &Tf1::eminKeyUp);
    emax.OnChange = Bind(this, &Tf1::emaxChange);
    emax.OnExit = Bind(this, &Tf1::emaxExit);
    emax.OnKeyUp = Bind(this, &Tf1::emaxKeyUp);
    echunk.OnChange = Bind(this, &Tf1::echunkChange);
    echunk.OnExit = Bind(this, &Tf1::echunkExit);
    echunk.OnKeyUp = Bind(this, &Tf1::echunkKeyUp);
    enamecache.OnChange = Bind(this, &Tf1::enamecacheChange);
    enamecache.OnExit = Bind(this, &Tf1::enamecacheExit);
    enamecache.OnKeyUp = Bind(this, &Tf1::enamecacheKeyUp);
    epathcache.OnChange = Bind(this, &Tf1::epathcacheChange);
    epathcache.OnExit = Bind(this, &Tf1::epathcacheExit);
    epathcache.OnKeyUp = Bind(this, &Tf1::epathcacheKeyUp);

    enablemincache.OnClick = Bind(this, &Tf1::enablemincacheClick);
    enablemaxcache.OnClick = Bind(this, &Tf1::enablemaxcacheClick);
    enablechunk.OnClick = Bind(this, &Tf1::enablechunkClick);
    enablenamecache.OnClick = Bind(this, &Tf1::enablenamecacheClick);
}

// The creation sequence; an error in a step ends it there.
void Tf1::init(qv::Component&) {
    qv::Application::Instance().SetHelpFile(
        HelpFileBesideExecutable(ExecutablePath(), kHelpFileName));
    SetText(kTitleLine);
    OpenSettingsStore(*this);
    LoadTemplateSettings(*this);
    TakeFirstMemorySample(*this);
    LoadVcacheSettings(*this);
    ShowResourceLabels(*this);
    Module.SettingsChanged = false;
    timer1.SetEnabled(true);
}

void Tf1::Exit1Click(qv::Component&) {
    Close();
}

void Tf1::Contents1Click(qv::Component&) {
    qv::Application::Instance().HelpCommand(HELP_FINDER, 0);
}

void Tf1::Label8Click(qv::Component&) {
    qv::Application& app = qv::Application::Instance();
    if (qv::OpenWithShell(app.Window(), "open", kHomePage, SW_SHOW) <= 32)
        qv::ShowMessageBox(app.Window(), "Default browser not found.", app.Title(), MB_OK);
}
