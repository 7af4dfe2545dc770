#pragma once
// The folder of the undo file: one only this user can read or write, so that no other
// user of the computer can read the position or plant a link or a file of its name.

#include <QString>

namespace pebblenix {

struct UndoFolder {
    QString path;       // empty when no private folder could be had
    bool fresh = false; // made for one window alone, to be removed with it
};

// The runtime folder (normally $XDG_RUNTIME_DIR) when it is private: an absolute path to
// a folder, not a link, of this user's with mode 0700. Otherwise `cacheFolder`, made with
// mode 0700 when missing; when it is there but not private in the same way, a fresh
// private folder beside it; when none of these can be made, a fresh private folder in
// `tempFolder`.
UndoFolder chooseUndoFolder(const QString& runtimeFolder, const QString& cacheFolder,
                            const QString& tempFolder);

} // namespace pebblenix
