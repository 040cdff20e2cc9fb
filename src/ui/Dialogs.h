#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The modal questions the window asks. The program uses ModalDialogs; tests
// replace it to answer and to record what was shown.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message with only an OK button; lines may be separated by CR.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // A yes/no question; true for yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;
    // A file to open; empty when cancelled.
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& filter) = 0;
    // A file to save; empty when cancelled.
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& suggestedPath,
                             const QString& filter) = 0;
};

class ModalDialogs final : public Dialogs {
public:
    void message(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    QString openFile(QWidget* parent, const QString& caption, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& suggestedPath,
                     const QString& filter) override;
};

// The message text as a message box shows it: each CR starts a new line.
QString messageLines(const QString& text);

inline const char* kAppTitle = "Tarvenor 2007";
