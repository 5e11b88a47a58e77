#pragma once
#include <windows.h>

namespace qv {

// A mouse pointer by number: the negative numbers are the framework's own set, 0 means "the
// default of where the pointer is", and programs may register positive numbers of their own.
using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10,
                  crHourGlass = -11, crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15,
                  crMultiDrag = -16, crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21,
                  crSizeAll = -22;

// The pointer handle of a cursor number: the system's pointers, pointers drawn by the
// framework (crDrag, crMultiDrag, crHSplit, crVSplit, crHandPoint), registered ones; null for
// crNone (no pointer) and for unknown numbers, which show the arrow.
HCURSOR CursorHandle(TCursor cursor);
// Registers a pointer under a positive number (the framework destroys it at exit).
void SetCursorHandle(TCursor cursor, HCURSOR handle);
// Shows the pointer of a number now (the arrow for crDefault and unknown numbers).
void ShowCursorOf(TCursor cursor);

} // namespace qv
