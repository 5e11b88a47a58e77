// The setting editors: each row's track bar and spin edit follow each other, the "Enabled"
// boxes enable their rows, and the minimal disk cache is kept at or below the maximal one
// when either bar is moved.
#include "main/ModuleState.h"
#include "main/f1.h"

namespace {

// The spin edit's value as read (not held to its range) into the bar, which holds it.
void BarFollowsEdit(qv::TrackBar& bar, const qv::SpinEdit& edit) {
    bar.SetPosition(edit.Value());
}

constexpr unsigned kEnterKey = 13;

} // namespace

// Spin edit change: the bar follows and the row counts as changed.

void Tf1::eminChange(qv::Component&) {
    BarFollowsEdit(min, emin);
    RowChanged(SettingsRow::MinFileCache);
}

void Tf1::emaxChange(qv::Component&) {
    BarFollowsEdit(max, emax);
    RowChanged(SettingsRow::MaxFileCache);
}

void Tf1::echunkChange(qv::Component&) {
    BarFollowsEdit(chunk, echunk);
    RowChanged(SettingsRow::ChunkSize);
}

void Tf1::enamecacheChange(qv::Component&) {
    BarFollowsEdit(namecachebar, enamecache);
    RowChanged(SettingsRow::FileCache);
}

void Tf1::epathcacheChange(qv::Component&) {
    BarFollowsEdit(pathcachebar, epathcache);
    RowChanged(SettingsRow::FileCache);
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
