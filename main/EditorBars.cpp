// Track bar and "Enabled" box handlers of the setting editors.
#include "main/ModuleState.h"
#include "main/f1.h"
#include <initializer_list>

namespace {

void EnableRow(std::initializer_list<qv::Window*> controls, bool enabled) {
    for (qv::Window* control : controls)
        control->SetEnabled(enabled);
}

} // namespace

// Moving the minimal bar above the maximal one pushes the maximal one up.
void Tf1::minChange(qv::Component&) {
    if (max.Position() < min.Position()) {
        max.SetPosition(min.Position());
        emax.SetValue(max.Position());
    }
    emin.SetValue(min.Position());
    RowChanged(SettingsRow::MinFileCache);
}

// Moving the maximal bar below the minimal one pulls the minimal one down.
void Tf1::maxChange(qv::Component&) {
    if (max.Position() < min.Position()) {
        min.SetPosition(max.Position());
        emin.SetValue(min.Position());
    }
    emax.SetValue(max.Position());
    RowChanged(SettingsRow::MaxFileCache);
}

// These three leave the flag to the spin edit's change handler, which runs only when the text
// really changes.
void Tf1::chunkChange(qv::Component&) {
    echunk.SetValue(chunk.Position());
}

void Tf1::namecachebarChange(qv::Component&) {
    enamecache.SetValue(namecachebar.Position());
}

void Tf1::pathcachebarChange(qv::Component&) {
    epathcache.SetValue(pathcachebar.Position());
}

// Each box enables or disables its row, in the order listed, and counts as a change.

void Tf1::enablemincacheClick(qv::Component&) {
    EnableRow({&Label1, &Label2, &min, &emin}, enablemincache.Checked());
    RowChanged(SettingsRow::MinFileCache);
}

void Tf1::enablemaxcacheClick(qv::Component&) {
    EnableRow({&Label3, &Label4, &max, &emax}, enablemaxcache.Checked());
    RowChanged(SettingsRow::MaxFileCache);
}

void Tf1::enablechunkClick(qv::Component&) {
    EnableRow({&Label5, &Label6, &chunk, &echunk}, enablechunk.Checked());
    RowChanged(SettingsRow::ChunkSize);
}

// The one box of the File Cache group governs both of its rows.
void Tf1::enablenamecacheClick(qv::Component&) {
    EnableRow({&Label9, &namecachebar, &enamecache, &Label10, &pathcachebar, &epathcache},
              enablenamecache.Checked());
    RowChanged(SettingsRow::FileCache);
}
