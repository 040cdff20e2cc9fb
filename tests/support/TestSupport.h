#pragma once

#include "shell/Dialogs.h"
#include "ui/Form1.h"

#include <QDate>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <tuple>
#include <vector>

class QPrinter;
struct sqlite3;

namespace testsupport {

// A program folder in a temporary directory: db/database.sqlite made from
// db/schema.sql, optionally with the demo catalogue, and a Docs/ folder.
class TempProgram {
public:
    explicit TempProgram(bool withDemo = false);
    QString dir() const { return m_dir.path(); }
    QString dbPath() const;
    // Direct access to the file, beside the program's own connection.
    void exec(const QString& sql) const;
    std::vector<QStringList> rows(const QString& sql) const;
    QString scalar(const QString& sql) const;
    long long count(const QString& table) const;

private:
    QTemporaryDir m_dir;
};

// Answers the window's questions and records what it was shown.
class RecordingDialogs final : public Dialogs {
public:
    QStringList messages;
    QStringList questions;
    std::deque<bool> answers; // empty: "no"
    QString fileToOpen;
    QString fileToSave;
    QString lastSuggestedPath; // what the last save dialog offered
    int openCalls = 0;
    int saveCalls = 0;

    void message(QWidget*, const QString& text) override { messages << text; }
    bool question(QWidget*, const QString& text) override;
    QString openFile(QWidget*, const QString&, const QString&) override
    {
        ++openCalls;
        return fileToOpen;
    }
    QString saveFile(QWidget*, const QString&, const QString& suggestedPath, const QString&) override
    {
        ++saveCalls;
        lastSuggestedPath = suggestedPath;
        return fileToSave;
    }

    // Progress of long work: the labels shown, the steps reported, and the
    // step at which the user presses cancel (-1: never).
    QStringList progressLabels;
    int progressSteps = 0;
    int cancelAtStep = -1;
    std::unique_ptr<Progress> startProgress(QWidget*, const QString& label) override;

    // Office mode's login: answers given in turn (user, password); none left: cancelled.
    std::deque<std::pair<QString, QString>> logins;
    int loginCalls = 0;
    bool login(QWidget*, const QString&, QString& user, QString& password) override
    {
        ++loginCalls;
        if (logins.empty())
            return false;
        std::tie(user, password) = logins.front();
        logins.pop_front();
        return true;
    }
};

// A real window on a temporary program folder, with recorded dialogs.
struct FormFixture {
    explicit FormFixture(bool withDemo = false, const QDate& today = QDate(2007, 3, 14));
    Form1& form() { return *m_form; }
    Controls& ui() { return m_form->controls(); }
    // Closes and opens the window again on the same folder (a restart).
    void restart();

    TempProgram program;
    RecordingDialogs dialogs;
    QDate today;

private:
    std::unique_ptr<Form1> m_form;
};

// Every row of a query as "col0|col1|...".
QStringList joinedRows(const TempProgram& program, const QString& sql);
// Every row of a list view as "col0|col1|...".
QStringList listRows(const ListView& view);
// The text of sub-item `column` of every row.
QStringList listColumn(const ListView& view, int column);

// Texts written as UTF-8 literals.
QStringList utf8List(std::initializer_list<const char*> items);

// SQL text literal for fixtures written by the tests themselves.
QString quoted(const QString& text);

// A PDF printer on A4 whose page margins stand for a printer's unprintable border.
std::unique_ptr<QPrinter> pdfPrinter(const QString& path, double borderMm = 0);

} // namespace testsupport
