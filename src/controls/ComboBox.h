#pragma once

#include <QComboBox>

// Combo box with the operations the handlers use. Click runs only when the
// user picks an entry (mouse or keyboard), never when the program sets Text.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    ComboBox(const QString& name, bool editable, QWidget* parent);

    void Clear(); // entries and shown text
    void AddItem(const QString& text);
    QString Text() const;
    void setText(const QString& text);

signals:
    void Click();
};
