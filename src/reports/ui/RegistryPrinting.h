#pragma once

#include "reports/RegistryPrintReport.h"

class Database;
class Prompter;
class QWidget;
struct WorkingPeriod;

// The registries view's Print and Print preview commands: the statistics list of the selected
// node (list) on the printer chosen in the printer dialog, or in the preview, on landscape A4
// pages. The company name is the setting DittaRagSoc. A database failure is shown with the
// engine's message.
void printRegistryNode(QWidget *parent, Database &db, Prompter &prompter, bool preview,
                       const WorkingPeriod &period, RegistryPrintList list);
