#pragma once
// Everything that would block or end the program goes through here: modal message
// boxes, the file dialog, starting another program and ending this one. Tests put a
// scripted fake in its place so that they run headless and never wait.

#include <QString>

class QWidget;

namespace pebblenix {

enum class MsgIcon { None, Question, Critical, Exclamation, Information };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

struct FileDialogRequest {
    bool save = false;
    QString filter;        // "Description|*.pattern"
    QString initialFolder; // where the dialog opens
    QString fileName;      // the name it remembers from its last use
};

class UiSeam {
public:
    virtual ~UiSeam() = default;
    // A modal box; with Yes and No, Yes is the default button.
    virtual MsgAnswer message(QWidget* parent, const QString& title, const QString& text,
                              MsgIcon icon, MsgButtons buttons) = 0;
    // The chosen file name, or empty when the player cancels.
    virtual QString fileDialog(QWidget* parent, const FileDialogRequest& request) = 0;
    // Starts a program by its path in its own window; false when it cannot be started.
    virtual bool startProgram(const QString& path) = 0;
    // Ends the program at once: every window goes, nothing more is asked.
    virtual void endProgram(int exitCode) = 0;
};

UiSeam& ui();
void setUi(UiSeam* replacement); // nullptr restores the real one

} // namespace pebblenix
