#include "controls/RichTextBox.h"

RichTextBox::RichTextBox(const QString& name, QWidget* parent) : QTextEdit(parent)
{
    setObjectName(name);
    setAcceptRichText(false);
}

QString RichTextBox::Text() const
{
    return toPlainText();
}

void RichTextBox::setText(const QString& text)
{
    setPlainText(normaliseLineEnds(text));
}

QString RichTextBox::normaliseLineEnds(const QString& text)
{
    if (!text.contains(QLatin1Char('\r')))
        return text;
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r')) {
            out += QLatin1Char('\n');
            if (i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}
