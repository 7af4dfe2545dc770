#pragma once
// Everything that would block or end the program goes through here: modal message
// boxes, the file dialog, starting another program and ending this one. The program gets
// the real one; tests put a scripted fake in its place, so that they run headless and
// never wait.

#include "seam/dialogzoom.h"

#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

namespace pebblenix {

struct FileDialog;

// The caption of every box that has none of its own, and of the main window.
inline constexpr char kProgramTitle[] = "Pebblenix";

enum class MsgIcon { None, Question, Critical, Exclamation, Information };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

class UiSeam {
public:
    virtual ~UiSeam() = default;
    // A modal box; with Yes and No, Yes is the default button.
    virtual MsgAnswer message(QWidget* parent, const QString& title, const QString& text,
                              MsgIcon icon, MsgButtons buttons) = 0;
    // The chosen file name, or empty when the player cancels.
    virtual QString fileDialog(QWidget* parent, const FileDialog& dialog, bool save) = 0;
    // Starts a program by its path, with `arguments`, in its own window; false when it
    // cannot be started.
    virtual bool startProgram(const QString& path, const QStringList& arguments) = 0;
    // Ends the program at once: every window goes, nothing more is asked.
    virtual void endProgram(int exitCode) = 0;

    // A critical box with OK, captioned with the program's title: how every failure is told.
    void tellFailure(QWidget* parent, const QString& text);
    // An information box with OK, captioned with the program's title.
    void tellInformation(QWidget* parent, const QString& text);

    // The main window's zoom step, which the boxes and the dialogs made through it follow.
    DialogZoom dialogZoom;
};

// The real boxes, dialogs and programs.
std::unique_ptr<UiSeam> makeRealUi();

} // namespace pebblenix
