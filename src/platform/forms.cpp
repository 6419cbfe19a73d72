#include "forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace platform {

namespace {

std::map<std::type_index, Form*>& loadedForms()
{
    static std::map<std::type_index, Form*> forms;
    return forms;
}

std::function<void()>& endAtOnceHandler()
{
    static std::function<void()> handler = [] {
        std::fflush(nullptr);
        std::_Exit(0);
    };
    return handler;
}

std::function<void()>& lastWindowGoneHandler()
{
    static std::function<void()> handler = [] { QCoreApplication::quit(); };
    return handler;
}

} // namespace

Form::Form(QWidget* parent)
    : QWidget(parent)
{
}

void Form::removeCloseMenu()
{
    hasCloseMenu_ = false;
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint);
}

void Form::closeEvent(QCloseEvent* event)
{
    if (!hasCloseMenu_) {
        event->ignore();
        return;
    }
    event->accept();
    Forms::unload(this);
}

void removeCloseMenu(Form* form)
{
    if (form)
        form->removeCloseMenu();
}

Form* Forms::findByType(std::type_index type)
{
    const auto it = loadedForms().find(type);
    return it == loadedForms().end() ? nullptr : it->second;
}

Form* Forms::registerAndLoad(std::type_index type, Form* form)
{
    loadedForms()[type] = form;
    form->Form_Load();
    // Form_Load may have given up and unloaded everything.
    return findByType(type) == form ? form : nullptr;
}

void Forms::showForm(Form* form)
{
    if (!form->isVisible() && !form->property("placed").toBool()) {
        // A window opens in the middle of the screen the first time it shows.
        form->adjustSize();
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            form->move(area.center() - QPoint(form->width() / 2, form->height() / 2));
        }
        form->setProperty("placed", true);
    }
    form->show();
    form->raise();
    form->activateWindow();
}

void Forms::unload(Form* form)
{
    if (!form)
        return;
    auto& forms = loadedForms();
    auto it = forms.begin();
    while (it != forms.end() && it->second != form)
        ++it;
    if (it == forms.end())
        return;
    forms.erase(it);
    form->Form_Unload();
    form->hide();
    // The handler that unloads its own window still runs on to its end.
    form->deleteLater();
    if (forms.empty())
        lastWindowGoneHandler()();
}

int Forms::loadedCount()
{
    return static_cast<int>(loadedForms().size());
}

namespace {
bool unloadingEveryWindow = false;
}

bool Forms::unloadingAll()
{
    return unloadingEveryWindow;
}

void Forms::unloadAll()
{
    // Unload handlers that would bring another window back load nothing now.
    const bool nested = unloadingEveryWindow;
    unloadingEveryWindow = true;
    while (!loadedForms().empty())
        unload(loadedForms().begin()->second);
    unloadingEveryWindow = nested;
}

void endProgram()
{
    endAtOnceHandler()();
}

void setProgramEndHandlers(std::function<void()> endAtOnce, std::function<void()> lastWindowGone)
{
    endAtOnceHandler() = std::move(endAtOnce);
    lastWindowGoneHandler() = std::move(lastWindowGone);
}

} // namespace platform
