#pragma once
// Windows of the main program: one object per window class per process,
// created on first use. Load creates a window and runs its Form_Load, leaving
// it hidden; show loads it if needed and makes it visible; unload runs
// Form_Unload and destroys it, so the next use starts from its design state.
// The process ends when the last loaded window has been unloaded.

#include <QWidget>

#include <functional>
#include <typeindex>

class QCloseEvent;

namespace platform {

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

    virtual void Form_Load() { }
    virtual void Form_Unload() { }

    // A window whose Close item is gone can be left only through its buttons.
    void removeCloseMenu();
    bool hasCloseMenu() const { return hasCloseMenu_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool hasCloseMenu_ = true;
};

// Removes the window's Close item: its Close box and Alt+F4 no longer work.
void removeCloseMenu(Form* form);

class Forms {
public:
    template <class T>
    static T* find() { return static_cast<T*>(findByType(typeid(T))); }

    // Loads a window; while every window is being unloaded none is loaded
    // anew, and nothing is returned.
    template <class T>
    static T* load()
    {
        if (T* existing = find<T>())
            return existing;
        if (unloadingAll())
            return nullptr;
        return static_cast<T*>(registerAndLoad(typeid(T), new T()));
    }

    template <class T>
    static T* show()
    {
        T* form = load<T>();
        if (form)
            showForm(form);
        return form;
    }

    template <class T>
    static void hide()
    {
        if (T* form = load<T>())
            form->hide();
    }

    template <class T>
    static void unload() { unload(find<T>()); }

    template <class T>
    static bool isLoaded() { return find<T>() != nullptr; }

    // Unloads a window; nothing happens when it is not loaded.
    static void unload(Form* form);
    static int loadedCount();

    // After a failure that leaves nothing to go on with: every window is
    // unloaded, and so the program stops in order.
    static void unloadAll();

private:
    static bool unloadingAll();
    static Form* findByType(std::type_index type);
    static Form* registerAndLoad(std::type_index type, Form* form);
    static void showForm(Form* form);
};

// The way back from a chooser or report window: hide the window, show the
// window it came from (loading it anew if it was unloaded meanwhile), unload
// the window.
template <class Menu>
void returnToMenu(Form* window)
{
    window->hide();
    Forms::show<Menu>();
    Forms::unload(window);
}

// Ends the program at once: no further handler and no Form_Unload runs.
void endProgram();

// What happens when the program ends at once, and when the last window has
// been unloaded. Tests replace both to watch them; by default the first quits
// the process on the spot and the second leaves the event loop.
void setProgramEndHandlers(std::function<void()> endAtOnce, std::function<void()> lastWindowGone);

} // namespace platform
