#pragma once

class Prompter;
class QWidget;
class UpdateController;

// Joins the update check to a main window: the controller, owned by the window, with the
// download dialog shown over it.
namespace UpdateUi {

UpdateController *attach(QWidget *mainWindow, Prompter &prompter);

} // namespace UpdateUi
