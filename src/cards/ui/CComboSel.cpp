#include "CComboSel.h"

#include <QLineEdit>

CComboSel::CComboSel(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CComboSel::complete);
}

void CComboSel::complete(const QString &typed)
{
    if (!m_autoComplete)
        return;
    QLineEdit *edit = lineEdit();
    const int typedLength = int(typed.size());
    const int selectionStart = edit->selectionStart();
    const int selectionEnd =
        selectionStart < 0 ? -1 : selectionStart + int(edit->selectedText().size());
    const int cursor = edit->cursorPosition();

    // Typing in the middle of the text edits it where the caret is; only typing at its end is
    // completed, so the caret never jumps away from where the user types.
    const bool typingInside = selectionStart < 0 && cursor < typedLength;
    int match = -1;
    for (int i = 0; i < count() && !typed.isEmpty(); ++i) {
        if (itemText(i).startsWith(typed, Qt::CaseInsensitive)) {
            match = i;
            break;
        }
    }
    if (match < 0 || typingInside) {
        edit->setText(typed);
        if (selectionStart >= 0)
            edit->setSelection(selectionStart, selectionEnd - selectionStart);
        else
            edit->setCursorPosition(cursor);
        return;
    }
    setCurrentIndex(match);
    const QString completed = itemText(match);
    edit->setText(completed);
    if (selectionStart >= 0 && selectionEnd < typedLength)
        edit->setSelection(selectionStart, selectionEnd - selectionStart);
    else
        edit->setSelection(int(completed.size()), typedLength - int(completed.size()));
}
