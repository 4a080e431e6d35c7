#include "UpdateUi.h"

#include "CDownloadDialog.h"
#include "online/UpdateController.h"

#include <QWidget>

UpdateController *UpdateUi::attach(QWidget *mainWindow, Prompter &prompter)
{
    auto *controller = new UpdateController(prompter, mainWindow);
    controller->setDisplayFactory(
        [mainWindow] { return std::make_unique<CDownloadDialog>(mainWindow); });
    return controller;
}
