#include "shell/Dialogs.h"

#include "controls/RichTextBox.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
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

namespace {

class DialogProgress final : public Progress {
public:
    DialogProgress(QWidget* parent, const QString& label) : m_dialog(label, QStringLiteral("Renunta"), 0, 100, parent)
    {
        m_dialog.setWindowTitle(QString::fromLatin1(kAppTitle));
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(400);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_dialog.setValue(0);
    }

    bool step(qint64 done, qint64 total) override
    {
        // A modal progress dialog processes events in setValue, so the
        // window repaints and the cancel button answers.
        const int percent = total > 0 ? int(done * 100 / total) : 100;
        m_dialog.setValue(qBound(0, percent, 100));
        return !m_dialog.wasCanceled();
    }

private:
    QProgressDialog m_dialog;
};

} // namespace

std::unique_ptr<Progress> Dialogs::startProgress(QWidget* parent, const QString& label)
{
    return std::make_unique<DialogProgress>(parent, label);
}
