#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

// A long piece of work shown with a percentage and a cancel button.
class Progress {
public:
    virtual ~Progress() = default;
    // Shows how far the work is; false once the user asked to stop.
    virtual bool step(qint64 done, qint64 total) = 0;
};

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
    // Progress of a long task; it shows itself only when the task takes more than a moment.
    virtual std::unique_ptr<Progress> startProgress(QWidget* parent, const QString& label);

    // Office mode: user and password for the database server; false when
    // the user gives up. `user` comes filled with a suggestion.
    virtual bool login(QWidget* parent, const QString& text, QString& user, QString& password);
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
