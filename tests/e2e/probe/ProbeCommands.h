#pragma once

#include "ProbeSupport.h"

// Each subcommand takes the arguments after its name and returns the exit code.
namespace probe {

// Looking at windows and monitors.
int Find(const Args& args);
int FindAll(const Args& args);
int List(const Args& args);
int Rect(const Args& args);
int ClientRect(const Args& args);
int Visible(const Args& args);
int Alpha(const Args& args);
int Style(const Args& args);
int Watch(const Args& args);
// Waits for a top-level window of a class and caption to be visible.
int WaitShown(const Args& args);
int Text(const Args& args);
int Children(const Args& args);
// Text controls of a window whose text, in Tahoma of a given pixel height,
// does not fit them (a check box keeps room for its glyph).
int Clipped(const Args& args);
int WorkArea(const Args& args);
int Cursor(const Args& args);
int Foreground(const Args& args);
int Accessible(const Args& args);

// Poking windows.
int Close(const Args& args);
int Kill(const Args& args);
int Post(const Args& args);
int Send(const Args& args);
int Key(const Args& args);
int Click(const Args& args);
int Show(const Args& args);
int Drop(const Args& args);

// Ending the program and changing the desktop under it.
int CloseKill(const Args& args);
int SpiWorkArea(const Args& args);
int ResetDisplay(const Args& args);
int Move(const Args& args);

// The clipboard.
int SetClip(const Args& args);
int SetClipFile(const Args& args);
int GetClip(const Args& args);

// A stand-in window that lives until it is closed or the probe is killed.
int MakeWin(const Args& args);

}  // namespace probe
