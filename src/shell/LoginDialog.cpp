#include "shell/Dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

bool Dialogs::login(QWidget* parent, const QString& text, QString& user, QString& password)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("autentificare"));
    dialog.setWindowTitle(QString::fromLatin1(kAppTitle));
    auto* form = new QFormLayout(&dialog);
    auto* intro = new QLabel(text, &dialog);
    intro->setWordWrap(true);
    form->addRow(intro);
    auto* name = new QLineEdit(user, &dialog);
    name->setObjectName(QStringLiteral("utilizator"));
    auto* secret = new QLineEdit(&dialog);
    secret->setObjectName(QStringLiteral("parola"));
    secret->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("Utilizator:"), name);
    form->addRow(QStringLiteral("Parola:"), secret);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Intra"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Renunta"));
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    (user.isEmpty() ? name : secret)->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    user = name->text().trimmed();
    password = secret->text();
    // The line edits go with the dialog; nothing of the password is kept here.
    secret->clear();
    return true;
}
