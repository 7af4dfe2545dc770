#include "files/recordsfile.h"

#include "files/atomicfile.h"
#include "files/settings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pebblenix {

namespace {

const QByteArray kHeader = "Pebblenix records 1";
// A full records file is under 300 bytes; nothing longer is read.
constexpr qint64 kMaxRecordsBytes = 4096;
constexpr int kLockWaitMs = 50;
constexpr int kRetryMs = 1000;
const char* const kBestKeys[] = {"best", "best-with-help"};
const char* const kFastestKeys[] = {"fastest", "fastest-with-help"};

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
    }
    return false;
}

} // namespace

QByteArray formatRecords(const Records& r) {
    QByteArray text = kHeader + "\nplayed " + QByteArray::number(r.played) + "\ncentre-finishes " +
                      QByteArray::number(r.centreFinishes) + "\n";
    for (int help : {Unaided, Assisted}) {
        if (const auto& b = r.best[help])
            text += QByteArray(kBestKeys[help]) + ' ' + QByteArray::number(b->marblesLeft) + ' ' +
                    isoDate(b->date) + (b->inCentre ? " centre" : "") + '\n';
        if (const auto& f = r.fastest[help])
            text += QByteArray(kFastestKeys[help]) + ' ' +
                    (f->seconds ? QByteArray::number(*f->seconds) : QByteArray("over")) + ' ' +
                    isoDate(f->date) + '\n';
    }
    return text;
}

std::optional<Records> parseRecords(const QByteArray& text) {
    const QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines[0] != kHeader)
        return std::nullopt;
    Records r;
    QList<QByteArray> seen;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        QList<QByteArray> fields = lines[i].split(' ');
        const QByteArray key = fields.takeFirst();
        if (seen.contains(key) || !readLine(r, key, fields))
            return std::nullopt;
        seen << key;
    }
    if (r.centreFinishes > r.played)
        return std::nullopt;
    return r;
}

RecordsFile::RecordsFile(const QString& path, QObject* parent) : QObject(parent), path_(path) {
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, [this] { writeWaiting(kLockWaitMs); });
}

RecordsFile::~RecordsFile() {
    blockSignals(true); // nobody is left to tell at the end
    writeWaiting(kRetryMs);
}

QString RecordsFile::defaultPath() {
    return QDir(QFileInfo(ColourSetting::filePath()).absolutePath())
        .filePath(QStringLiteral("records.txt"));
}

void RecordsFile::tell(const QString& text) {
    if (text == told_)
        return;
    told_ = text;
    emit problem(text);
}

std::optional<Records> RecordsFile::load(bool setAside) {
    const QByteArray name = QFile::encodeName(path_);
    struct stat st {};
    QString why;
    if (::lstat(name.constData(), &st) != 0) {
        if (errno == ENOENT)
            return Records{};
        why = QString::fromLocal8Bit(std::strerror(errno));
    } else if (S_ISLNK(st.st_mode)) {
        //: Why the records file cannot be used; said inside a sentence about it.
        why = QCoreApplication::translate("Records", "it is a link");
    } else if (S_ISDIR(st.st_mode)) {
        why = QCoreApplication::translate("Files", "it is a folder, not a file");
    } else if (!S_ISREG(st.st_mode)) {
        why = QCoreApplication::translate("Files", "it is not a regular file");
    } else if (st.st_uid != ::geteuid()) {
        why = QCoreApplication::translate("Records", "it belongs to another user");
    } else if (st.st_size > kMaxRecordsBytes) {
        why = QCoreApplication::translate("Records", "it is far too long");
    } else if (const auto text = readFileBounded(path_, kMaxRecordsBytes, &why)) {
        if (auto records = parseRecords(*text))
            return records;
        why = QCoreApplication::translate("Records", "it is damaged");
    }
    if (!setAside)
        return std::nullopt;
    // Never deleted: the player may want to look at it, or mend it by hand.
    const QString shown = QDir::toNativeSeparators(path_);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    for (int n = 1; n < 100; ++n) {
        const QString aside =
            QStringLiteral("%1.set-aside-%2%3")
                .arg(path_, stamp, n > 1 ? QStringLiteral("-%1").arg(n) : QString());
        if (::renameat2(AT_FDCWD, name.constData(), AT_FDCWD, QFile::encodeName(aside).constData(),
                        RENAME_NOREPLACE) == 0) {
            //: %1 the records file, %2 why it could not be used (a phrase such as "it is
            //: damaged"), %3 the name it was given.
            tell(QCoreApplication::translate("Records",
                                             "Your records in %1 could not be used (%2). "
                                             "The file was set aside as %3, and new "
                                             "records begin.")
                     .arg(shown, why, QDir::toNativeSeparators(aside)));
            return Records{};
        }
        if (errno != EEXIST)
            break;
    }
    //: %1 the records file, %2 why it cannot be used, %3 why it could not be renamed.
    tell(QCoreApplication::translate("Records", "Your records in %1 cannot be used (%2), nor set "
                                                "aside (%3), so no game is recorded until it is "
                                                "moved.")
             .arg(shown, why, QString::fromLocal8Bit(std::strerror(errno))));
    return std::nullopt;
}

RecordsFile::Done RecordsFile::update(const std::function<void(Records&)>& change, int waitMs) {
    const QString shown = QDir::toNativeSeparators(path_);
    const auto failed = [this, &shown](const QString& why) {
        //: %1 the records file, %2 why it could not be written.
        tell(QCoreApplication::translate("Records", "Your records could not be written.\r\n%1: %2.")
                 .arg(shown, why));
        return Done::Failed;
    };
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder))
        return failed(QCoreApplication::translate("Files", "the folder %1 cannot be made")
                          .arg(QDir::toNativeSeparators(folder)));
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(waitMs))
        return lock.error() == QLockFile::LockFailedError
                   ? Done::Busy
                   : failed(QCoreApplication::translate("Records", "its lock file cannot be made"));
    auto records = load(true);
    if (!records)
        return Done::Failed;
    change(*records);
    if (const auto failure = writeFileAtomically(path_, formatRecords(*records)))
        return failed(*failure);
    emit changed();
    return Done::Yes;
}

void RecordsFile::writeWaiting(int waitMs) {
    if (waiting_.empty())
        return;
    const auto added = [this](Records& r) {
        for (const auto& [finish, date] : waiting_)
            r.add(finish, date);
    };
    if (update(added, waitMs) == Done::Busy) {
        retry_.start();
        return;
    }
    waiting_.clear(); // written, or told why not
}

Records RecordsFile::read() {
    QLockFile lock(path_ + QStringLiteral(".lock"));
    // Only the holder of the lock may set a file aside: another copy may be replacing it.
    return load(lock.tryLock(kLockWaitMs)).value_or(Records{});
}

void RecordsFile::add(const Finish& finish, const QDate& date) {
    waiting_.emplace_back(finish, date);
    writeWaiting(kLockWaitMs);
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
}

} // namespace pebblenix
