#pragma once
// The main window's menu bar: Game, View and Help. The menus' titles and every item with
// a key are made with the window, so that each key works before any menu has been
// opened; the other items are made when their menu first opens.

#include <QObject>
#include <QString>
#include <map>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace pebblenix {

class MainMenu : public QObject {
    Q_OBJECT
public:
    // An item runs the slot named after it (mnunew_Click for mnunew), the window's or,
    // when the window has none, that of `more`; a colour tells its picture id.
    explicit MainMenu(QMainWindow* window, QObject* more = nullptr);

    // The item of that name, made now if its menu has not been opened yet.
    QAction* item(const QString& name);
    // A checkable item's state, kept while the item is not made yet.
    bool isChecked(const QString& name) const;
    void setChecked(const QString& name, bool on);

signals:
    // The View menu is about to open.
    void viewAboutToShow();
    // A colour item was chosen: `id` is its picture's, 101 to 112.
    void colourChosen(quint8 id);

private:
    struct Menu {
        QMenu* menu;
        std::vector<int> items; // into the table of items
        bool filled = false;
    };
    QAction* make(int index);
    void fill(Menu& menu);
    // Whose slot an item runs.
    QObject* receiver(const char* name) const;

    QMainWindow* window_;
    QObject* more_;
    std::vector<Menu> menus_;
    std::map<int, QAction*> made_;
    std::map<QString, bool> checked_;
};

} // namespace pebblenix
