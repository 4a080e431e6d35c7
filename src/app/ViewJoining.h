#pragma once

class CMainFrame;
class Clock;
class FarmSession;
class Prompter;

// Joins the subsystems to the frame, as the program does at start: the frame's farm session
// (opened on the Database setting when it is not open yet), the card, registries and chart
// views on that farm, the print paths of the views and the File menu's data commands. farm is
// the session the frame was made with. prompter and clock go to the views (message boxes and the
// system clock when none is given).
void joinViews(CMainFrame &frame, FarmSession &farm, Prompter *prompter = nullptr,
               const Clock *clock = nullptr);
