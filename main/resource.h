#pragma once
// Resource numbers of the program's pictures (main/quorvane.rc).
#define IDI_QUORVANE 1
#define IDI_MEMORY 101
#define IDI_DISK 102
