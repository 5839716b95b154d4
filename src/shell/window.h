// The main window: its load step, screen modes, menu commands, close handling and waits.
#pragma once

#include <string>

namespace qel {

struct Game;

void FormLoad(Game &g);
// The client area is the 480 x 480 picture; the host sizes the window around it.
void SizeClientArea(Game &g, int w, int h);
// 0 full screen, 1 window.
void ApplyScreenMode(Game &g, int mode);
// Shows or hides the mouse cursor as OPTION(8) says.
void UpdateCursor(Game &g);
void EnableResetMenu(Game &g, bool enabled);

void SCRENNOPI_Click(Game &g);
void RSET_Click(Game &g);
[[noreturn]] void QUIT_Click(Game &g);
[[noreturn]] void Form_Unload(Game &g);
// Ends the program with the error message when the data file is missing.
void CheckDataFiles(Game &g, const std::string &name);
// The end for a data file that is missing or cannot be used: the message, then out.
[[noreturn]] void EndForDataFile(Game &g);

// Handles whatever events are pending, without waiting.
void PumpEvents(Game &g);
// Waits at least n milliseconds while handling the window's events.
void WaitMs(Game &g, int n);

}  // namespace qel
