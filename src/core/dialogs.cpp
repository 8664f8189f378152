#include "core/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace lumivox {

QString qtFileFilter(const QString& filter)
{
    return filter.section(QLatin1Char('|'), 0, 0);
}

bool WidgetDialogs::askYesNo(const QString& text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigen"), text, QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == yes;
}

void WidgetDialogs::information(const QString& text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok, parent_);
    box.exec();
}

void WidgetDialogs::error(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"), text, QMessageBox::Ok, parent_);
    box.exec();
}

QString WidgetDialogs::saveFileName(const QString& filter, const QString& defaultSuffix)
{
    // The overwrite question is the program's own, so the dialog asks none.
    QFileDialog dialog(parent_, QStringLiteral("Speichern unter"), QString(), qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString WidgetDialogs::openFileName(const QString& filter)
{
    return QFileDialog::getOpenFileName(parent_, QStringLiteral("Öffnen"), QString(), qtFileFilter(filter));
}

bool ScriptedDialogs::askYesNo(const QString& text)
{
    shown.push_back(text);
    if (answers_.empty())
        return false;
    bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

QString ScriptedDialogs::saveFileName(const QString& filter, const QString&)
{
    filtersAsked.push_back(filter);
    if (fileNames_.empty())
        return {};
    QString name = fileNames_.front();
    fileNames_.pop_front();
    return name;
}

QString ScriptedDialogs::openFileName(const QString& filter)
{
    return saveFileName(filter, {});
}

}  // namespace lumivox
