#include "automation/automation_editors.h"

#include <QEvent>
#include <QLabel>

#include "automation/editor_description.h"
#include "automation/list_mask_editor.h"
#include "core/main_window.h"
#include "core/widgets.h"

namespace lumivox {

namespace {

const char* const kBrightnessFields[] = {"BA_LuxAktuell", "DM_LuxAktuell", "DA_LuxAktuell"};
const char* const kBrightnessLabels[] = {"BA_Label5", "DM_Label4", "DA_Label4"};
const char* const kProfileLabels[] = {"AP_Label1", "AP_Label2", "AP_Label3"};

}  // namespace

AutomationEditors::AutomationEditors(TVirelta& window) : window_(window)
{
    int order = 0;
    for (const EditorPage* editorPage : {&shadingPage(), &windRainPage(), &manualPage()}) {
        QWidget* widget = window.page(QString::fromLatin1(editorPage->page));
        if (!widget)
            continue;
        Page page{widget, {}};
        std::vector<ListMaskEditor*> editors;
        for (const EditorDescription* editor : editorPage->editors) {
            page.editors.push_back(std::make_unique<ListMaskEditor>(window, widget, *editor, order++));
            editors.push_back(page.editors.back().get());
        }
        ListMaskEditor::linkSharedFields(editors);
        if (editorPage->decorate)
            editorPage->decorate(widget);
        pages_.push_back(std::move(page));
    }
    for (const char* name : kBrightnessFields)
        if (QWidget* field = control(&window, QString::fromLatin1(name)))
            field->installEventFilter(this);
    connect(&window, &TVirelta::motorNamesChanged, this, &AutomationEditors::takeMotorNames);
}

AutomationEditors::~AutomationEditors() = default;

void AutomationEditors::startUp()
{
    for (Page& page : pages_)
        for (auto& editor : page.editors)
            editor->startUp();
    window_.LuxMittel = !window_.LuxMittel;
    toggleLuxMittel();   // captions from LuxMittel
}

void AutomationEditors::pageEntered(QWidget* widget)
{
    for (Page& page : pages_) {
        if (page.widget != widget)
            continue;
        for (auto& editor : page.editors)
            editor->pageRefresh();
        showProfileLabels();
    }
}

void AutomationEditors::refreshPage(const QString& pageName)
{
    pageEntered(window_.page(pageName));
}

void AutomationEditors::rebuildList(const QString& prefix)
{
    if (ListMaskEditor* e = editor(prefix))
        e->rebuildList();
}

ListMaskEditor* AutomationEditors::editor(const QString& prefix) const
{
    for (const Page& page : pages_)
        for (const auto& editor : page.editors)
            if (prefix == QLatin1String(editor->description().prefix))
                return editor.get();
    return nullptr;
}

void AutomationEditors::showProfileLabels()
{
    const bool alternative = window_.model().BearbeitetesProfil == 1;
    for (const char* name : kProfileLabels)
        if (QWidget* label = control(&window_, QString::fromLatin1(name)))
            label->setVisible(alternative);
}

void AutomationEditors::toggleLuxMittel()
{
    window_.LuxMittel = !window_.LuxMittel;
    const QString caption = window_.LuxMittel ? QStringLiteral("Lux mittel") : QStringLiteral("Lux aktuell");
    for (const char* name : kBrightnessLabels)
        if (auto* label = control<QLabel>(&window_, QString::fromLatin1(name)))
            label->setText(caption);
}

bool AutomationEditors::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        toggleLuxMittel();
    return QObject::eventFilter(watched, event);
}

void AutomationEditors::takeMotorNames()
{
    for (Page& page : pages_)
        for (auto& editor : page.editors)
            editor->takeMotorNames();
}

}  // namespace lumivox
