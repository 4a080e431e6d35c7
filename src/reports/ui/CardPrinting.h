#pragma once

#include <QtGlobal>

class Database;
class Prompter;
class QWidget;
struct WorkingPeriod;

// The card view's Print and Print preview commands: the print choice dialog, then the chosen
// report on the printer or in the preview. currentCardId is the card shown (0 when none);
// period is the card view's working period; searchWindow, when given, is hidden while the job
// runs.
void printFromCardView(QWidget *parent, Database &db, Prompter &prompter, bool preview,
                       qint64 currentCardId, const WorkingPeriod &period,
                       QWidget *searchWindow = nullptr);
