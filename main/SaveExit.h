#pragma once
// The reboot notice shown after every successful save: an information box with one OK button,
// owned by the application's window. The message box breaks lines at a lone carriage return.
inline constexpr const char* kRebootNoticeCaption = " Quorvane 3";
inline constexpr const char* kRebootNoticeText = "The disk cache settings have been saved.\r"
                                                 "They take effect after Windows is restarted.";

void ShowRebootNotice();
