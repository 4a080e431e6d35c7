#pragma once

#include "RegistryForm.h"

#include <optional>

class QStandardItem;

// What the registry rules need of the screen that shows them: the form's texts, the tree's
// expansion, and the year choice of a new field. The tree's current node the screen follows
// from RegistryEditor::currentNodeChanged.
class RegistryScreen
{
public:
    virtual ~RegistryScreen() = default;

    virtual RegistryForm::Texts formTexts() const = 0;
    virtual void showForm(const RegistryForm::Texts &texts) = 0;
    virtual void showLayout(const RegistryForm::Layout &layout) = 0;

    virtual void expandNode(QStandardItem *node) = 0;
    virtual bool isExpanded(QStandardItem *node) const = 0;
    virtual void focusCode() = 0;

    // Lets the user pick the year of a new field among first..last. Nothing when the choice
    // was closed without OK; 0 when OK was pressed without a year.
    virtual std::optional<int> chooseFieldYear(int first, int last) = 0;
};
