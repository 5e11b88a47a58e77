#pragma once
// The settings store: "[vcache]" of system.ini and the file-system template in the registry.
class Tf1;

// Opens the profile accessor for "system.ini" and the registry accessor (creation step 3).
void OpenSettingsStore(Tf1& form);
// Reads the template in force and its two values into the File Cache editors (step 4).
void LoadTemplateSettings(Tf1& form);
// Reads the three [vcache] values into the Disk Cache editors (step 6).
void LoadVcacheSettings(Tf1& form);
// Carries out the save's plan (main/core/SavePlan.h): writes or deletes every parameter as the
// check boxes decide, names the template in force and copies its two values into
// Control\FileSystem, where the file system reads them at boot. A row start-up could not load
// and show is left as stored until the user changes it. Each store is written to disk as soon
// as its writes are done: system.ini after the [vcache] keys, the registry after each key.
void SaveSettings(Tf1& form);
// Releases the two accessors (when the main window closes).
void ReleaseSettingsStore(Tf1& form);
