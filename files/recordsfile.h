#pragma once
// The player's records on disk: a small versioned text file beside the settings, read
// and rewritten whole under a lock each time a game ends, so that two running copies of
// the game never lose each other's games.

#include "game/records.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

namespace pebblenix {

// "Pebblenix records V", then one line a value:
//   played N / centre-finishes N
//   best[-with-help] MARBLES DATE [centre]
//   fastest[-with-help] SECONDS|over DATE
//   fewest-moves[-with-help] MOVES DATE (version 2)
//   problem ID unaided|with-help MOVES DATE (version 2, one a problem and kind of help)
//   daily-streak DAYS LASTDATE / daily-best DAYS (version 2)
// Dates in ISO form (2025-01-31). V is the lowest version that holds the lines: 1 until a
// line of version 2 is there.
QByteArray formatRecords(const Records& records);
// Nothing when the text is not such a file of version 1 or 2, or holds a value no game can
// give.
std::optional<Records> parseRecords(const QByteArray& text);

class RecordsFile : public QObject {
    Q_OBJECT
public:
    // Once the application's event loop has ended, a game still waiting for another copy's
    // lock has its last chance (see finish()).
    explicit RecordsFile(const QString& path, QObject* parent = nullptr);
    // Tries once more, without a timer, for a game still waiting when finish() never ran.
    ~RecordsFile() override;
    // In the settings folder of this user.
    static QString defaultPath();

    // What is stored. A file that cannot be used is set aside and told.
    Records read();
    // Adds a game that has ended: reads what is on disk, adds it and writes the whole
    // file. If another copy is writing just then, it is tried again shortly; play never
    // waits for it, and a wait that goes on is told once.
    void add(const Finish& finish, const QDate& date);
    // The same for a game whose end `game` puts into the records (a problem, a day).
    void add(std::function<void(Records&)> game);
    // Back to no records.
    void reset();
    // The program is ending: waits a little longer for games still waiting for the lock,
    // and tells of any that could not be written rather than dropping them.
    void finish();

signals:
    // Something the player should know: a file set aside, or records that could not be
    // written. The same text is told only once, and never while the lock is held: a
    // message box would keep every other copy waiting.
    void problem(const QString& text);
    // The records as just written, so that nobody need read them again.
    void changed(const Records& records);

private:
    enum class Done { Yes, Busy, Failed };
    // Under the lock, with at most `waitMs` of waiting for it: what is on disk, changed
    // by `change`, written back.
    Done update(const std::function<void(Records&)>& change, int waitMs);
    // Writes the games waiting; when the lock is busy, tries again later if `retry`.
    void writeWaiting(int waitMs, bool retry);
    // The records on disk; nothing when the file could not be used and is still there.
    std::optional<Records> load(bool setAside);
    void tell(const QString& text); // kept until speak()
    void speak();                   // with no lock held

    QString path_;
    std::vector<std::function<void(Records&)>> waiting_; // games, each as it changes them
    QTimer retry_;
    int busyRetries_ = 0;
    bool ending_ = false;
    QString told_;
    QStringList untold_;
    std::optional<Records> written_; // to be told once the lock is let go
};

} // namespace pebblenix
