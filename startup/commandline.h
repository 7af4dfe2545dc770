#pragma once
// The command line: the arguments after the program's name are one game file's path.

#include <QByteArrayList>
#include <QString>
#include <optional>

namespace pebblenix {

struct CommandLinePath {
    QString path;       // empty: no file named
    bool isText = true; // false: some bytes are not text, and the path names another file
};

// The arguments as the system gives them, joined with single spaces, as one path used as it
// stands: not split at blanks, not trimmed, quotes kept.
CommandLinePath commandLinePath(const QByteArrayList& arguments);

} // namespace pebblenix
