#pragma once

#include <QTextEdit>

// The rich-text box: plain text read and replaced whole. Any of CR, LF or
// CR LF ends a line, so composed texts show one line per carriage return.
class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    RichTextBox(const QString& name, QWidget* parent);

    QString Text() const;
    void setText(const QString& text);

    static QString normaliseLineEnds(const QString& text);
};
