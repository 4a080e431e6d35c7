#pragma once

class CMainFrame;
class Clock;
class FarmSession;
class Prompter;

// Joins the subsystems to the frame, as the program does at start: the farm session the frame
// follows (opened on the Database setting when it is not open yet), the card and registries
// views on that farm, the print path of the card view and the File menu's data commands.
// prompter and clock go to the views (message boxes and the system clock when none is given).
void joinViews(CMainFrame &frame, FarmSession &farm, Prompter *prompter = nullptr,
               const Clock *clock = nullptr);
