#include "ui/Dialogs.h"

#include "ui/controls/RichTextBox.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

QString messageLines(const QString& text)
{
    return RichTextBox::normaliseLineEnds(text);
}

void ModalDialogs::message(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle), messageLines(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool ModalDialogs::question(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(kAppTitle), messageLines(text),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Da"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nu"));
    return box.exec() == QMessageBox::Yes;
}

QString ModalDialogs::openFile(QWidget* parent, const QString& caption, const QString& filter)
{
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString ModalDialogs::saveFile(QWidget* parent, const QString& caption, const QString& suggestedPath,
                               const QString& filter)
{
    QFileDialog dialog(parent, caption, suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
