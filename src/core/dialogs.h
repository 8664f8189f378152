#pragma once
// Every message box and file dialog of the window goes through Dialogs, so
// tests can answer them in advance instead of needing a display.

#include <QString>
#include <QStringList>
#include <deque>

class QWidget;

namespace lumivox {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A confirmation box with the buttons Ja and Nein; true for Ja.
    virtual bool askYesNo(const QString& text) = 0;
    virtual void information(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
    // File dialogs; an empty result means cancelled. filter is in the
    // "Description (*.ext)|*.ext" form; defaultSuffix without the dot.
    virtual QString saveFileName(const QString& filter, const QString& defaultSuffix) = 0;
    virtual QString openFileName(const QString& filter) = 0;
};

// Real modal dialogs with German buttons.
class WidgetDialogs : public Dialogs {
public:
    explicit WidgetDialogs(QWidget* parent) : parent_(parent) {}
    bool askYesNo(const QString& text) override;
    void information(const QString& text) override;
    void error(const QString& text) override;
    QString saveFileName(const QString& filter, const QString& defaultSuffix) override;
    QString openFileName(const QString& filter) override;

private:
    QWidget* parent_;
};

// Answers given in advance; records every text shown.
class ScriptedDialogs : public Dialogs {
public:
    void setNextAnswer(bool yes) { answers_.push_back(yes); }
    void setNextFileName(const QString& name) { fileNames_.push_back(name); }

    bool askYesNo(const QString& text) override;
    void information(const QString& text) override { shown.push_back(text); }
    void error(const QString& text) override { shown.push_back(text); }
    QString saveFileName(const QString& filter, const QString& defaultSuffix) override;
    QString openFileName(const QString& filter) override;

    QStringList shown;         // every message text, in order
    QStringList filtersAsked;  // the filter of every file dialog, in order

private:
    std::deque<bool> answers_;
    std::deque<QString> fileNames_;
};

// "Virelta Schaltzeiten (*.vsz)|*.vsz" -> "Virelta Schaltzeiten (*.vsz)"
QString qtFileFilter(const QString& filter);

}  // namespace lumivox
