#pragma once

#include "registries/RegistryEditor.h"
#include "registries/RegistryScreen.h"

#include <QSet>
#include <QStandardItem>

// The screen of the registry rules without widgets: keeps the form's texts and the tree's
// current and expanded nodes. click() is the user picking a node in the tree.
class FakeScreen : public RegistryScreen
{
public:
    RegistryEditor *editor = nullptr;
    RegistryForm::Texts texts;
    RegistryForm::Layout shownLayout;
    QStandardItem *current = nullptr;
    QSet<QStandardItem *> expanded;
    std::optional<int> yearAnswer;
    QList<QPair<int, int>> yearQuestions;
    bool codeFocused = false;

    RegistryForm::Texts formTexts() const override { return texts; }
    void showForm(const RegistryForm::Texts &shown) override { texts = shown; }
    void showLayout(const RegistryForm::Layout &layout) override { shownLayout = layout; }
    // Follows the editor's current node as the tree of the view does.
    void follow(RegistryEditor &followed)
    {
        editor = &followed;
        QObject::connect(&followed, &RegistryEditor::currentNodeChanged,
                         [this](QStandardItem *node) { current = node; });
    }
    void click(QStandardItem *node)
    {
        if (node == current)
            return;
        QStandardItem *previous = current;
        current = node;
        editor->nodeSelected(node, previous);
    }
    void expandNode(QStandardItem *node) override
    {
        if (expanded.contains(node))
            return;
        expanded.insert(node);
        editor->nodeExpanded(node, true);
    }
    bool isExpanded(QStandardItem *node) const override { return expanded.contains(node); }
    void focusCode() override { codeFocused = true; }
    std::optional<int> chooseFieldYear(int first, int last) override
    {
        yearQuestions.append({first, last});
        return yearAnswer;
    }
};
