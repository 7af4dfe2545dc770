#include "files/recordsfile.h"

#include "files/atomicfile.h"
#include "files/filelock.h"
#include "files/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <utility>

namespace pebblenix {

namespace {

const QByteArray kHeader = "Pebblenix records ";
constexpr int kRecordsVersion = 2;
// Tens of problems' lines and more; nothing longer is read.
constexpr qint64 kMaxRecordsBytes = 64 * 1024;
constexpr int kLockWaitMs = 50;
constexpr int kRetryMs = 1000;
// A game kept waiting this many retries is told of.
constexpr int kTellAfterRetries = 10;
// How long the program's end waits for another copy to let go.
constexpr int kEndWaitMs = 3000;
const char* const kBestKeys[] = {"best", "best-with-help"};
const char* const kFastestKeys[] = {"fastest", "fastest-with-help"};
const char* const kFewestMovesKeys[] = {"fewest-moves", "fewest-moves-with-help"};

// The version that brought each key; every other key is version 1's. A file is written in
// the lowest version that holds its lines, so that an older copy of the game keeps reading
// it for as long as it can.
const std::pair<const char*, int> kKeySince[] = {{"fewest-moves", 2},
                                                 {"fewest-moves-with-help", 2},
                                                 {"problem", 2},
                                                 {"daily-streak", 2},
                                                 {"daily-best", 2}};
const char* const kProblemHelp[] = {"unaided", "with-help"};

int versionOf(const QByteArray& key) {
    for (const auto& [name, version] : kKeySince)
        if (key == name)
            return version;
    return 1;
}

QByteArray isoDate(const QDate& date) {
    return date.toString(Qt::ISODate).toLatin1();
}

std::optional<int> number(const QByteArray& text, int most) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 0 || n > most || text.startsWith('+'))
        return std::nullopt;
    return n;
}

std::optional<QDate> dateOf(const QByteArray& text) {
    const QDate date = QDate::fromString(QString::fromLatin1(text), Qt::ISODate);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

// One line's fields after its key into the records; false when they make no sense.
bool readLine(Records& r, const QByteArray& key, const QList<QByteArray>& f) {
    if (key == "played" && f.size() == 1) {
        const auto n = number(f[0], kMostGames);
        return n && (r.played = *n, true);
    }
    if (key == "centre-finishes" && f.size() == 1) {
        const auto n = number(f[0], kMostGames);
        return n && (r.centreFinishes = *n, true);
    }
    for (int help : {Unaided, Assisted}) {
        if (key == kBestKeys[help] && (f.size() == 2 || (f.size() == 3 && f[2] == "centre"))) {
            const auto marbles = number(f[0], 255);
            const auto date = dateOf(f[1]);
            const bool centre = f.size() == 3;
            if (!marbles || !date || (centre && *marbles != 1))
                return false;
            r.best[help] = BestFinish{*marbles, centre, *date};
            return true;
        }
        if (key == kFastestKeys[help] && f.size() == 2) {
            const auto seconds = number(f[0], kClockSeconds);
            const auto date = dateOf(f[1]);
            if ((!seconds && f[0] != "over") || !date)
                return false;
            r.fastest[help] = FastestFinish{seconds, *date};
            return true;
        }
        if (key == "problem" && f.size() == 4 && f[1] == kProblemHelp[help]) {
            const QString id = QString::fromLatin1(f[0]);
            const auto moves = number(f[2], kMostProblemMoves);
            const auto date = dateOf(f[3]);
            if (!isProblemId(id) || !moves || *moves < 1 || !date)
                return false;
            r.problems[id][help] = ProblemFinish{*moves, *date};
            return true;
        }
        if (key == kFewestMovesKeys[help] && f.size() == 2) {
            const auto moves = number(f[0], kMostStartMoves);
            const auto date = dateOf(f[1]);
            if (!moves || *moves < kFewestStartMoves || !date)
                return false;
            r.fewestMoves[help] = MovesFinish{*moves, *date};
            return true;
        }
    }
    if (key == "daily-streak" && f.size() == 2) {
        const auto days = number(f[0], kMostGames);
        const auto date = dateOf(f[1]);
        if (!days || *days < 1 || !date)
            return false;
        r.daily.days = *days;
        r.daily.last = *date;
        return true;
    }
    if (key == "daily-best" && f.size() == 1) {
        const auto days = number(f[0], kMostGames);
        return days && *days >= 1 && (r.daily.best = *days, true);
    }
    return false;
}

QString notWritten(const QString& path, const QString& why) {
    //: %1 the records file, %2 why it could not be written.
    return QCoreApplication::translate("Records", "Your records could not be written.\r\n%1: %2.")
        .arg(QDir::toNativeSeparators(path), why);
}

// The version its first line names; 0 when it names none. A later one than kRecordsVersion
// was written by a newer copy of the game.
int recordsVersion(const QByteArray& text) {
    const QByteArray first = text.left(text.indexOf('\n'));
    if (!first.startsWith(kHeader))
        return 0;
    const QByteArray digits = first.mid(kHeader.size());
    const auto version = number(digits, 999'999);
    return version && QByteArray::number(*version) == digits ? *version : 0;
}

} // namespace

QByteArray formatRecords(const Records& r) {
    int version = 1;
    QByteArray body;
    const auto line = [&](const char* key, const QByteArray& value, const QDate& date = {}) {
        version = std::max(version, versionOf(key));
        body += key + (' ' + value) + (date.isValid() ? ' ' + isoDate(date) : "") + '\n';
    };
    line("played", QByteArray::number(r.played));
    line("centre-finishes", QByteArray::number(r.centreFinishes));
    for (int help : {Unaided, Assisted}) {
        if (const auto& b = r.best[help])
            line(kBestKeys[help], QByteArray::number(b->marblesLeft) + ' ' + isoDate(b->date) +
                                      (b->inCentre ? " centre" : ""));
        if (const auto& f = r.fastest[help])
            line(kFastestKeys[help], f->seconds ? QByteArray::number(*f->seconds) : "over",
                 f->date);
        if (const auto& m = r.fewestMoves[help])
            line(kFewestMovesKeys[help], QByteArray::number(m->moves), m->date);
    }
    for (const auto& [id, finishes] : r.problems)
        for (int help : {Unaided, Assisted})
            if (const auto& p = finishes[help])
                line("problem",
                     id.toLatin1() + ' ' + kProblemHelp[help] + ' ' + QByteArray::number(p->moves),
                     p->date);
    if (r.daily.days > 0) {
        line("daily-streak", QByteArray::number(r.daily.days), r.daily.last);
        line("daily-best", QByteArray::number(r.daily.best));
    }
    return kHeader + QByteArray::number(version) + '\n' + body;
}

std::optional<Records> parseRecords(const QByteArray& text) {
    const int version = recordsVersion(text);
    if (version < 1 || version > kRecordsVersion)
        return std::nullopt;
    Records r;
    QSet<QByteArray> seen;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        QList<QByteArray> fields = lines[i].split(' ');
        const QByteArray key = fields.takeFirst();
        // A problem has a line for each kind of help.
        const QByteArray once =
            key == "problem" ? key + ' ' + fields.value(0) + ' ' + fields.value(1) : key;
        // A key of a later version than the file's is one its version does not know.
        if (seen.contains(once) || versionOf(key) > version || !readLine(r, key, fields))
            return std::nullopt;
        seen << once;
    }
    // The longest run of days is never shorter than the last, and they come together.
    if (r.centreFinishes > r.played || r.daily.best < r.daily.days ||
        (r.daily.best > 0) != (r.daily.days > 0))
        return std::nullopt;
    return r;
}

RecordsFile::RecordsFile(const QString& path, QObject* parent) : QObject(parent), path_(path) {
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, [this] {
        writeWaiting(kLockWaitMs, true);
        speak();
    });
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &RecordsFile::finish);
}

RecordsFile::~RecordsFile() {
    blockSignals(true); // nobody is left to tell at the end
    writeWaiting(kRetryMs, false);
}

QString RecordsFile::defaultPath() {
    return QDir(QFileInfo(ColourSetting::filePath()).absolutePath())
        .filePath(QStringLiteral("records.txt"));
}

void RecordsFile::tell(const QString& text) {
    if (text == told_)
        return;
    told_ = text;
    untold_ << text;
}

void RecordsFile::speak() {
    if (auto written = std::exchange(written_, std::nullopt))
        emit changed(*written);
    // A box may run an event loop in which the retry comes round and tells more.
    for (const QString& text : std::exchange(untold_, {}))
        emit problem(text);
}

std::optional<Records> RecordsFile::load(bool setAside) {
    struct stat st {};
    std::optional<QString> why;
    if (::lstat(QFile::encodeName(path_).constData(), &st) != 0) {
        if (errno == ENOENT)
            return Records{};
        why = qt_error_string(errno);
    } else if (!(why = unusableBecause(st, kMaxRecordsBytes))) {
        QString unreadable;
        if (const auto text = readFileBounded(path_, kMaxRecordsBytes, &unreadable)) {
            // Neither damaged nor ours to set aside or replace: it is left for that copy.
            if (recordsVersion(*text) > kRecordsVersion) {
                //: %1 the records file.
                tell(QCoreApplication::translate("Records",
                                                 "Your records in %1 were written by a newer "
                                                 "version of Pebblenix, which this one cannot "
                                                 "read. They are left as they are, and no game "
                                                 "is recorded.")
                         .arg(QDir::toNativeSeparators(path_)));
                return std::nullopt;
            }
            if (auto records = parseRecords(*text))
                return records;
            why = QCoreApplication::translate("Records", "it is damaged");
        } else {
            why = unreadable;
        }
    }
    if (!setAside)
        return std::nullopt;
    // Never deleted: the player may want to look at it, or mend it by hand.
    const QString shown = QDir::toNativeSeparators(path_);
    QString cannot;
    if (const auto aside = pebblenix::setAside(path_, cannot)) {
        //: %1 the records file, %2 why it could not be used (a phrase such as "it is
        //: damaged"), %3 the name it was given.
        tell(QCoreApplication::translate("Records", "Your records in %1 could not be used (%2). "
                                                    "The file was set aside as %3, and new "
                                                    "records begin.")
                 .arg(shown, *why, QDir::toNativeSeparators(*aside)));
        return Records{};
    }
    //: %1 the records file, %2 why it cannot be used, %3 why it could not be renamed.
    tell(QCoreApplication::translate("Records", "Your records in %1 cannot be used (%2), nor set "
                                                "aside (%3), so no game is recorded until it is "
                                                "moved.")
             .arg(shown, *why, cannot));
    return std::nullopt;
}

RecordsFile::Done RecordsFile::update(const std::function<void(Records&)>& change, int waitMs) {
    const auto failed = [this](const QString& why) {
        tell(notWritten(path_, why));
        return Done::Failed;
    };
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder))
        return failed(QCoreApplication::translate("Files", "the folder %1 cannot be made")
                          .arg(QDir::toNativeSeparators(folder)));
    FileLock lock(path_);
    QString why;
    switch (lock.tryLock(waitMs, why)) {
    case FileLock::Outcome::Busy:
        return Done::Busy;
    case FileLock::Outcome::Failed:
        return failed(why);
    case FileLock::Outcome::Locked:
        break;
    }
    auto records = load(true);
    if (!records)
        return Done::Failed;
    change(*records);
    if (const auto failure = writeFileAtomically(path_, formatRecords(*records)))
        return failed(*failure);
    written_ = std::move(*records);
    return Done::Yes;
}

void RecordsFile::writeWaiting(int waitMs, bool retry) {
    if (waiting_.empty())
        return;
    const auto added = [this](Records& r) {
        for (const auto& game : waiting_)
            game(r);
    };
    if (update(added, waitMs) != Done::Busy) {
        waiting_.clear(); // written, or told why not
        busyRetries_ = 0;
        return;
    }
    if (++busyRetries_ == kTellAfterRetries)
        //: Told once when a game has ended while another running copy of the game has kept
        //: the records file locked for some seconds. %1 is the records file.
        tell(QCoreApplication::translate("Records",
                                         "Another copy of Pebblenix keeps your records in %1 "
                                         "locked. The games that end are kept, and written as "
                                         "soon as it lets go.")
                 .arg(QDir::toNativeSeparators(path_)));
    // Never while the program is being taken down: there is no event loop left to run it.
    if (retry && !ending_)
        retry_.start();
}

Records RecordsFile::read() {
    std::optional<Records> records;
    {
        FileLock lock(path_);
        QString why;
        // Only the holder of the lock may set a file aside: another copy may be replacing it.
        records = load(lock.tryLock(kLockWaitMs, why) == FileLock::Outcome::Locked);
    }
    speak();
    return records.value_or(Records{});
}

void RecordsFile::add(const Finish& finish, const QDate& date) {
    add([finish, date](Records& r) { r.add(finish, date); });
}

void RecordsFile::add(std::function<void(Records&)> game) {
    waiting_.push_back(std::move(game));
    writeWaiting(kLockWaitMs, true);
    speak();
}

void RecordsFile::reset() {
    // The player asked and waits for the answer: a little longer than a game's end would.
    const Done done = update([](Records& r) { r = Records{}; }, kRetryMs);
    if (done == Done::Yes)
        waiting_.clear(); // games that ended before the reset go with it
    else if (done == Done::Busy)
        tell(QCoreApplication::translate("Records",
                                         "Your records are being written by another copy of "
                                         "Pebblenix; try again in a moment."));
    speak();
}

void RecordsFile::finish() {
    ending_ = true;
    retry_.stop();
    writeWaiting(kEndWaitMs, false);
    if (!waiting_.empty()) {
        //: Why the records could not be written when the game closed: another copy of
        //: the game kept the file locked. %n is how many finished games are not recorded.
        tell(notWritten(path_, QCoreApplication::translate("Records",
                                                           "another copy of Pebblenix kept the "
                                                           "file locked until the end; games "
                                                           "not recorded: %n",
                                                           nullptr, int(waiting_.size()))));
        waiting_.clear();
    }
    speak();
}

} // namespace pebblenix
