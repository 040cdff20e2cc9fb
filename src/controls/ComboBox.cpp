#include "controls/ComboBox.h"

#include <QLineEdit>

ComboBox::ComboBox(const QString& name, bool editable, QWidget* parent) : QComboBox(parent)
{
    setObjectName(name);
    setEditable(editable);
    if (editable) {
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr);
    }
    setMaxVisibleItems(12);
    connect(this, &QComboBox::activated, this, [this](int) { emit Click(); });
}

void ComboBox::Clear()
{
    clear();
    if (isEditable())
        clearEditText();
}

void ComboBox::AddItem(const QString& text)
{
    // Appending must leave a typed or set text alone.
    if (isEditable()) {
        const QString shown = currentText();
        const bool hadIndex = currentIndex() >= 0;
        addItem(text);
        if (!hadIndex || shown != currentText()) {
            setCurrentIndex(-1);
            setEditText(shown);
        }
    } else {
        addItem(text);
    }
}

QString ComboBox::Text() const
{
    return currentText();
}

void ComboBox::setText(const QString& text)
{
    if (isEditable()) {
        const int i = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        setCurrentIndex(i);
        setEditText(text);
    } else {
        setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
}
