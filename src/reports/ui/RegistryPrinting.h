#pragma once

#include "reports/RegistryPrintReport.h"

class FarmSession;
class Prompter;
class QWidget;

// The registries view's Print and Print preview commands: the statistics list of the selected
// node (list) of the session's farm and period on the printer chosen in the printer dialog, or
// in the preview, on landscape A4 pages, headed with the session's company name. A database
// failure is shown with its kind's message about the farm.
void printRegistryNode(QWidget *parent, FarmSession &farm, Prompter &prompter, bool preview,
                       RegistryPrintList list);
