#pragma once

#include "RegistryForm.h"

#include <optional>

class QStandardItem;

// What the registry rules need of the screen that shows them: the form's texts, the tree's
// selection and expansion, and the year choice of a new field.
class RegistryScreen
{
public:
    virtual ~RegistryScreen() = default;

    virtual RegistryForm::Texts formTexts() const = 0;
    virtual void showForm(const RegistryForm::Texts &texts) = 0;
    virtual void showLayout(const RegistryForm::Layout &layout) = 0;

    // Shows node (or nothing) as the current node of the tree. The editor has decided the
    // move and loads the node itself: the screen does not report this change back.
    virtual void selectNode(QStandardItem *node) = 0;
    virtual void expandNode(QStandardItem *node) = 0;
    virtual bool isExpanded(QStandardItem *node) const = 0;
    virtual void focusCode() = 0;

    // Lets the user pick the year of a new field among first..last. Nothing when the choice
    // was closed without OK; 0 when OK was pressed without a year.
    virtual std::optional<int> chooseFieldYear(int first, int last) = 0;
};
