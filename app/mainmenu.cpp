#include "app/mainmenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <cstring>

namespace pebblenix {

namespace {

constexpr char kContext[] = "pebblenix::frmgame";
constexpr char kExtras[] = "pebblenix::WindowExtras"; // the items that came later

struct Item {
    int menu; // 0 Game, 1 the colours, 2 View, 3 Help
    const char* name;
    const char* caption;
    const char* keys = ""; // in the portable form, several separated by "; "
    bool checkable = false;
    bool separatorBefore = false;
    const char* context = kContext; // of the caption and the tip
    const char* tip = nullptr;      // the item's status tip, shown as its tooltip
};

const Item kItems[] = {
    {0, "mnunew", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&New"), "Ctrl+N"},
    {0, "mnuopen", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Open"), "Ctrl+O"},
    {0, "mnusave", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Save"), "Ctrl+S"},
    {0, "mnusaveas", QT_TRANSLATE_NOOP("pebblenix::frmgame", "Save &As")},
    {0, "mnuundo", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Undo"), "Ctrl+Z"},
    {0, "mnuhint", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Hint"), "Ctrl+H"},
    //: Takes the board back to just before the jump after which the last marble could no
    //: longer finish in the centre.
    {0, "mnurewind", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Rewind to Last Winnable Position"),
     "Ctrl+R"},
    //: Opens a list of the game's jumps that shows which one lost the centre finish.
    {0, "mnureview", QT_TRANSLATE_NOOP("pebblenix::frmgame", "Re&view Game\u2026")},
    {0, "mnuwinningline", QT_TRANSLATE_NOOP("pebblenix::frmgame", "Winning &Line\u2026"), "Ctrl+L"},
    {0, "mnurecords", QT_TRANSLATE_NOOP("pebblenix::frmgame", "R&ecords\u2026")},
    //: Opens the list of problems: shapes of marbles to reduce to one marble in the centre.
    {0, "mnuproblems", QT_TRANSLATE_NOOP("pebblenix::ChallengeCommands", "&Problems\u2026"),
     "Ctrl+P", false, false, "pebblenix::ChallengeCommands"},
    //: Starts the problem of the day, the same for every player that day.
    {0, "mnutoday", QT_TRANSLATE_NOOP("pebblenix::ChallengeCommands", "&Today's Problem"), "Ctrl+T",
     false, false, "pebblenix::ChallengeCommands"},
    //: Opens a board on which the player puts and takes marbles, to play from there.
    {0, "mnusetup", QT_TRANSLATE_NOOP("pebblenix::ChallengeCommands", "Set Up Pos&ition\u2026"), "",
     false, false, "pebblenix::ChallengeCommands"},
    //: A Game menu option, off until chosen: when no jump is left the game says so, and
    //: the clock stops at the end of every game.
    {0, "mnutellwhenends", QT_TRANSLATE_NOOP("pebblenix::WindowExtras", "Tell Me &When It Ends"),
     "", true, false, kExtras,
     //: The tip of Game > Tell Me When It Ends.
     QT_TRANSLATE_NOOP("pebblenix::WindowExtras",
                       "When no jump is left, says so and how many marbles remain; at the end "
                       "of every game the clock stops.")},
    //: A submenu of Game: the twelve marble colours.
    {0, "mnucolor", QT_TRANSLATE_NOOP("pebblenix::frmgame", "Marble &Color")},
    //: The first of twelve marble colours in Game > Marble Color. The letter after & is its
    //: access key: each colour needs its own, typed without AltGr.
    {1, "mnu110", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&White")},
    {1, "mnu106", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Blue")},
    {1, "mnu101", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Dark Blue")},
    {1, "mnu108", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Sky Blue")},
    {1, "mnu104", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Green")},
    {1, "mnu111", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Military Green")},
    {1, "mnu103", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Yellow")},
    {1, "mnu105", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Pink")},
    {1, "mnu102", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Red")},
    {1, "mnu107", QT_TRANSLATE_NOOP("pebblenix::frmgame", "Purp&le")},
    {1, "mnu109", QT_TRANSLATE_NOOP("pebblenix::frmgame", "Br&own")},
    {1, "mnu112", QT_TRANSLATE_NOOP("pebblenix::frmgame", "Blac&k")},
    {0, "mnuexit", QT_TRANSLATE_NOOP("pebblenix::frmgame", "E&xit")},
    {2, "mnuzoomin", QT_TRANSLATE_NOOP("pebblenix::frmgame", "Zoom &In"), "Ctrl++; Ctrl+="},
    {2, "mnuzoomout", QT_TRANSLATE_NOOP("pebblenix::frmgame", "Zoom &Out"), "Ctrl+-"},
    {2, "mnuactualsize", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Actual Size"), "Ctrl+0"},
    {2, "mnushowjumps", QT_TRANSLATE_NOOP("pebblenix::frmgame", "Show &Jumps"), "", true, true,
     kContext,
     //: The tip of View > Show Jumps: the marks differ by shape.
     QT_TRANSLATE_NOOP("pebblenix::WindowExtras",
                       "Marks the holes the picked-up marble can jump to: a ring with a tick "
                       "where the jump keeps a finish with the last marble in the centre "
                       "possible, a cross where it loses it, and a small dot while the game "
                       "cannot tell. The picked-up marble has a ring round it.")},
    //: Shows below the board the moves made and the fewest moves that still finish.
    {2, "mnushowmoves", QT_TRANSLATE_NOOP("pebblenix::frmgame", "Show &Moves"), "", true},
    //: A View menu option: the columns' letters and the rows' numbers around the board.
    {2, "mnushowcoordinates", QT_TRANSLATE_NOOP("pebblenix::WindowExtras", "Show &Coordinates"), "",
     true, false, kExtras,
     //: The tip of View > Show Coordinates.
     QT_TRANSLATE_NOOP("pebblenix::WindowExtras",
                       "Shows the columns' letters, a to g, and the rows' numbers, 1 to 7, "
                       "around the board: the names hints and lists give the holes.")},
    //: Opens the rules and the ways to play, with what each mark on the board means.
    {3, "mnuhowtoplay", QT_TRANSLATE_NOOP("pebblenix::WindowExtras", "&How to Play"), "F1", false,
     false, kExtras},
    {3, "mnuabout", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&About Pebblenix")},
};

struct Title {
    const char* name;
    const char* caption;
};
const Title kMenus[] = {
    //: The first menu of the menu bar. The letter after & is the access key (Alt and that
    //: letter): the menu bar's keys and each menu's keys must differ from one another and
    //: be typed without AltGr.
    {"mnugame", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Game")},
    {"mnucolor", nullptr},
    {"mnuview", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&View")},
    //: The last menu of the menu bar; its access key must differ from Game's and View's.
    {"mnuHelp", QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Help")},
};

QString translated(const char* text, const char* context = kContext) {
    return QCoreApplication::translate(context, text);
}

} // namespace

MainMenu::MainMenu(QMainWindow* window) : QObject(window), window_(window) {
    for (const Title& title : kMenus) {
        auto* menu = title.caption ? window->menuBar()->addMenu(translated(title.caption))
                                   : new QMenu(window);
        menu->setObjectName(QString::fromLatin1(title.name));
        menus_.push_back({menu, {}});
    }
    for (int i = 0; i < int(std::size(kItems)); ++i)
        menus_[std::size_t(kItems[i].menu)].items.push_back(i);
    for (Menu& m : menus_)
        connect(m.menu, &QMenu::aboutToShow, this, [this, &m] { fill(m); });
    connect(menus_[2].menu, &QMenu::aboutToShow, this, &MainMenu::viewAboutToShow);
    for (int i = 0; i < int(std::size(kItems)); ++i) {
        const bool command = kItems[i].menu != 1 && std::strcmp(kItems[i].name, "mnucolor") != 0;
        if (command && !commandTarget(kItems[i].name))
            qFatal("the menu item %s has no command", kItems[i].name); // a mistake of ours
        // Until its menu is filled, an item's key works through the window.
        if (*kItems[i].keys)
            window->addAction(make(i));
    }
}

QAction* MainMenu::make(int index) {
    if (const auto it = made_.find(index); it != made_.end())
        return it->second;
    const Item& item = kItems[index];
    const QString name = QString::fromLatin1(item.name);
    QAction* action = nullptr;
    if (name == QLatin1String("mnucolor")) {
        QMenu* colours = menus_[1].menu;
        colours->setTitle(translated(item.caption, item.context));
        action = colours->menuAction();
    } else {
        action = new QAction(translated(item.caption, item.context), window_);
        action->setObjectName(name);
        QList<QKeySequence> keys;
        for (const QString& key : QString::fromLatin1(item.keys).split(QStringLiteral("; ")))
            if (!key.isEmpty())
                keys << QKeySequence(key, QKeySequence::PortableText);
        action->setShortcuts(keys);
        action->setCheckable(item.checkable);
        action->setChecked(checked_[name]);
        connect(action, &QAction::triggered, this, [this, name, colour = item.menu == 1](bool on) {
            checked_[name] = on;
            if (colour)
                emit colourChosen(static_cast<quint8>(name.mid(3).toInt()));
            else
                QMetaObject::invokeMethod(commandTarget(name.toLatin1()),
                                          qPrintable(name + QLatin1String("_Click")));
        });
    }
    if (item.tip) {
        action->setStatusTip(translated(item.tip, kExtras));
        action->setToolTip(action->statusTip());
        menus_[std::size_t(item.menu)].menu->setToolTipsVisible(true); // there is no status bar
    }
    if (name == QLatin1String("mnushowmoves"))
        //: Shown as the tip of the View menu's Show Moves item.
        action->setToolTip(QCoreApplication::translate(
            "pebblenix::frmgame", "Shows the moves made, a chain of jumps by one marble "
                                  "counting once, and the fewest moves that still finish with "
                                  "the last marble in the centre."));
    made_[index] = action;
    return action;
}

void MainMenu::fill(Menu& m) {
    if (m.filled)
        return;
    m.filled = true;
    for (int index : m.items) {
        if (kItems[index].separatorBefore)
            m.menu->addSeparator();
        m.menu->addAction(make(index));
    }
}

QObject* MainMenu::commandTarget(const QByteArray& name) const {
    const QByteArray slot = name + "_Click()";
    if (window_->metaObject()->indexOfSlot(slot.constData()) >= 0)
        return window_;
    for (QObject* child : window_->children())
        if (child->metaObject()->indexOfSlot(slot.constData()) >= 0)
            return child;
    return nullptr;
}

QAction* MainMenu::item(const QString& name) {
    for (int i = 0; i < int(std::size(kItems)); ++i)
        if (name == QLatin1String(kItems[i].name))
            return make(i); // its menu takes it in when it first opens
    return nullptr;
}

bool MainMenu::isChecked(const QString& name) const {
    const auto it = checked_.find(name);
    return it != checked_.end() && it->second;
}

void MainMenu::setChecked(const QString& name, bool on) {
    checked_[name] = on;
    for (const auto& [index, action] : made_)
        if (name == QLatin1String(kItems[index].name))
            action->setChecked(on);
}

} // namespace pebblenix
