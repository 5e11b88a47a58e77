// The setting editors: each row's track bar and spin edit follow each other, the "Enabled"
// boxes enable their rows, and the minimal disk cache is kept at or below the maximal one
// when either bar is moved.
#include "main/ModuleState.h"
#include "main/f1.h"
#include <initializer_list>

namespace {

// The spin edit's value as read (not held to its range) into the bar, which holds it.
void BarFollowsEdit(qv::TrackBar& bar, const qv::SpinEdit& edit) {
    bar.SetPosition(edit.Value());
}

constexpr unsigned kEnterKey = 13;

void EnableRow(std::initializer_list<qv::Window*> controls, bool enabled) {
    for (qv::Window* control : controls)
        control->SetEnabled(enabled);
}

} // namespace

// Spin edit change: the bar follows and the row counts as changed.

void Tf1::eminChange(qv::Component&) {
    BarFollowsEdit(min, emin);
    Module.RowChanged(qv::SettingsRow::MinFileCache);
}

void Tf1::emaxChange(qv::Component&) {
    BarFollowsEdit(max, emax);
    Module.RowChanged(qv::SettingsRow::MaxFileCache);
}

void Tf1::echunkChange(qv::Component&) {
    BarFollowsEdit(chunk, echunk);
    Module.RowChanged(qv::SettingsRow::ChunkSize);
}

void Tf1::enamecacheChange(qv::Component&) {
    BarFollowsEdit(namecachebar, enamecache);
    Module.RowChanged(qv::SettingsRow::FileCache);
}

void Tf1::epathcacheChange(qv::Component&) {
    BarFollowsEdit(pathcachebar, epathcache);
    Module.RowChanged(qv::SettingsRow::FileCache);
}

// Spin edit exit: the bar follows; the flag is left alone.

void Tf1::eminExit(qv::Component&) {
    BarFollowsEdit(min, emin);
}

void Tf1::emaxExit(qv::Component&) {
    BarFollowsEdit(max, emax);
}

void Tf1::echunkExit(qv::Component&) {
    BarFollowsEdit(chunk, echunk);
}

void Tf1::enamecacheExit(qv::Component&) {
    BarFollowsEdit(namecachebar, enamecache);
}

void Tf1::epathcacheExit(qv::Component&) {
    BarFollowsEdit(pathcachebar, epathcache);
}

// Spin edit key up: Enter sets the bar (the edit itself refuses Enter with a beep).

void Tf1::eminKeyUp(qv::Component&, unsigned key) {
    if (key == kEnterKey)
        BarFollowsEdit(min, emin);
}

void Tf1::emaxKeyUp(qv::Component&, unsigned key) {
    if (key == kEnterKey)
        BarFollowsEdit(max, emax);
}

void Tf1::echunkKeyUp(qv::Component&, unsigned key) {
    if (key == kEnterKey)
        BarFollowsEdit(chunk, echunk);
}

void Tf1::enamecacheKeyUp(qv::Component&, unsigned key) {
    if (key == kEnterKey)
        BarFollowsEdit(namecachebar, enamecache);
}

void Tf1::epathcacheKeyUp(qv::Component&, unsigned key) {
    if (key == kEnterKey)
        BarFollowsEdit(pathcachebar, epathcache);
}

// Track bar change: the spin edit follows.

// Moving the minimal bar above the maximal one pushes the maximal one up.
void Tf1::minChange(qv::Component&) {
    if (max.Position() < min.Position()) {
        max.SetPosition(min.Position());
        emax.SetValue(max.Position());
    }
    emin.SetValue(min.Position());
    Module.RowChanged(qv::SettingsRow::MinFileCache);
}

// Moving the maximal bar below the minimal one pulls the minimal one down.
void Tf1::maxChange(qv::Component&) {
    if (max.Position() < min.Position()) {
        min.SetPosition(max.Position());
        emin.SetValue(min.Position());
    }
    emax.SetValue(max.Position());
    Module.RowChanged(qv::SettingsRow::MaxFileCache);
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
    Module.RowChanged(qv::SettingsRow::MinFileCache);
}

void Tf1::enablemaxcacheClick(qv::Component&) {
    EnableRow({&Label3, &Label4, &max, &emax}, enablemaxcache.Checked());
    Module.RowChanged(qv::SettingsRow::MaxFileCache);
}

void Tf1::enablechunkClick(qv::Component&) {
    EnableRow({&Label5, &Label6, &chunk, &echunk}, enablechunk.Checked());
    Module.RowChanged(qv::SettingsRow::ChunkSize);
}

// The one box of the File Cache group governs both of its rows.
void Tf1::enablenamecacheClick(qv::Component&) {
    EnableRow({&Label9, &namecachebar, &enamecache, &Label10, &pathcachebar, &epathcache},
              enablenamecache.Checked());
    Module.RowChanged(qv::SettingsRow::FileCache);
}
