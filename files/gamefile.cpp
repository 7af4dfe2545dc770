#include "files/gamefile.h"

#include "files/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace pebblenix {

namespace {

constexpr char kMarble[] = "1";
constexpr char kEmpty[] = "-1";

enum class Seen { Empty, Binary, Text };

// C0 and C1 control characters and DEL: what a terminal may take as a command.
bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7f && c < 0xa0);
}

// How a line is shown in a message: as "empty", as "binary data", or as its text, cut short.
Seen seen(const QByteArray& line, QString& text) {
    if (line.isEmpty())
        return Seen::Empty;
    for (char c : line)
        if (isControl(static_cast<unsigned char>(c)))
            return Seen::Binary;
    text = QString::fromLatin1(line.left(20));
    if (line.size() > 20)
        text += QStringLiteral("...");
    return Seen::Text;
}

// Why a cell line (1 to 49) is wrong, as one whole sentence for each way it can be.
QString cellLineProblem(int number, const QByteArray& line) {
    QString text;
    switch (seen(line, text)) {
    case Seen::Empty:
        //: Why a game file cannot be opened. %1 is the number of the line, from 1 to 49;
        //: lines 1 to 49 of a game file hold the 49 cells of the board.
        return QCoreApplication::translate(
                   "Files", "line %1 is empty, but a cell line must be \"1\" or \"-1\"")
            .arg(number);
    case Seen::Binary:
        //: Why a game file cannot be opened. %1 is the number of the line, from 1 to 49.
        return QCoreApplication::translate(
                   "Files", "line %1 holds binary data, but a cell line must be \"1\" or \"-1\"")
            .arg(number);
    case Seen::Text:
        break;
    }
    //: Why a game file cannot be opened. %1 is the number of the line, from 1 to 49, %2
    //: what the line holds (at most 20 characters, then "...").
    return QCoreApplication::translate("Files",
                                       "line %1 is \"%2\", but a cell line must be \"1\" or \"-1\"")
        .arg(number)
        .arg(text);
}

// Why the count line, line 51, is wrong.
QString countLineProblem(const QByteArray& line) {
    QString text;
    switch (seen(line, text)) {
    case Seen::Empty:
        //: Why a game file cannot be opened. Line 51 of a game file holds the number of marbles.
        return QCoreApplication::translate(
            "Files", "line 51 is empty, but the marble count must be a number from 0 to 255");
    case Seen::Binary:
        //: Why a game file cannot be opened. Line 51 of a game file holds the number of marbles.
        return QCoreApplication::translate(
            "Files",
            "line 51 holds binary data, but the marble count must be a number from 0 to 255");
    case Seen::Text:
        break;
    }
    //: Why a game file cannot be opened. Line 51 of a game file holds the number of marbles;
    //: %1 is what it holds instead (at most 20 characters, then "...").
    return QCoreApplication::translate(
               "Files", "line 51 is \"%1\", but the marble count must be a number from 0 to 255")
        .arg(text);
}

// Control characters, C1 included, mean the line is not text.
bool hasControlBytes(const QByteArray& line) {
    for (char c : line) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && c != '\t') || (b >= 0x7f && b < 0xa0))
            return true;
    }
    return false;
}

// Splits at CR LF, LF or CR, keeping at most `most` lines; the last line may end without a break.
std::vector<QByteArray> splitLines(const QByteArray& bytes, int most) {
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n && static_cast<int>(lines.size()) < most) {
        qsizetype end = start;
        while (end < n && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines.push_back(bytes.mid(start, end - start));
        if (end < n && bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

// A whole decimal number from 0 to 255, blanks around it allowed.
std::optional<quint8> countValue(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    if (t.isEmpty() || t.size() > 3)
        return std::nullopt;
    int value = 0;
    for (char c : t) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > 255)
        return std::nullopt;
    return static_cast<quint8>(value);
}

} // namespace

QByteArray formatGameFile(const Position& position) {
    QByteArray text;
    text.reserve(200);
    for (int i = 0; i < kCells; ++i) {
        text += position.marbles[i] ? kMarble : kEmpty;
        text += "\r\n";
    }
    text += position.clock.toLatin1();
    text += "\r\n";
    text += position.countText.toLatin1();
    return text;
}

ParseResult parseGameFile(const QByteArray& bytes) {
    if (bytes.isEmpty())
        //: Why a game file cannot be opened.
        return {std::nullopt, QCoreApplication::translate("Files", "the file is empty")};
    const auto lines = splitLines(bytes, kGameFileLines);
    Position p;
    for (int i = 0; i < kCells; ++i) {
        if (i >= static_cast<int>(lines.size()))
            break;
        const QByteArray& line = lines[static_cast<std::size_t>(i)];
        if (line == kMarble)
            p.marbles[i] = true;
        else if (line == kEmpty)
            p.marbles[i] = false;
        else
            return {std::nullopt, cellLineProblem(i + 1, line)};
    }
    static_assert(kGameFileLines == 51 && kMaxLineBytes == 255, "the messages name both");
    if (const int count = static_cast<int>(lines.size()); count < kGameFileLines)
        //: Why a game file cannot be opened. %n is how many lines the file has, from 1 to
        //: 50; a game file always has 51.
        return {std::nullopt, QCoreApplication::translate(
                                  "Files", "a game file has 51 lines, but this file has only %n",
                                  nullptr, count)};
    const QByteArray& clock = lines[kCells];
    const QByteArray& count = lines[kCells + 1];
    for (int i : {kCells, kCells + 1})
        if (lines[static_cast<std::size_t>(i)].size() > kMaxLineBytes)
            //: Why a game file cannot be opened. %1 is 50 (the clock's line) or 51 (the
            //: marble count's line).
            return {std::nullopt,
                    QCoreApplication::translate("Files", "line %1 is longer than 255 characters")
                        .arg(i + 1)};
    if (hasControlBytes(clock))
        //: Why a game file cannot be opened. Line 50 of a game file holds the clock's text.
        return {std::nullopt,
                QCoreApplication::translate("Files", "line 50, the clock, holds binary data")};
    const auto value = countValue(count);
    if (!value)
        return {std::nullopt, countLineProblem(count)};
    p.clock = QString::fromLatin1(clock);
    p.countText = QString::fromLatin1(count);
    p.count = *value;
    return {p, QString()};
}

ReadResult readGameFile(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.absoluteDir().exists())
        return {ReadStatus::FolderMissing, std::nullopt, QString()};
    if (!info.exists() && path.contains(QChar::ReplacementCharacter))
        return {ReadStatus::Invalid, std::nullopt, nameNotTextProblem()};
    QString reason;
    const auto bytes = readFileBounded(path, kMaxReadBytes, &reason);
    if (!bytes)
        return {ReadStatus::Invalid, std::nullopt, reason};
    auto parsed = parseGameFile(*bytes);
    if (!parsed.position)
        return {ReadStatus::Invalid, std::nullopt, parsed.problem};
    return {ReadStatus::Ok, parsed.position, QString()};
}

std::optional<QString> writeGameFile(const QString& path, const Position& position) {
    return writeFileAtomically(path, formatGameFile(position));
}

std::optional<QString> writeUndoFile(const QString& path, const Position& position) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    // A regular file, even another user's, is replaced by the rename; anything else (a link,
    // a folder, a FIFO) is taken away first, since the write would not replace it.
    if (::lstat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        const int removed =
            S_ISDIR(st.st_mode) ? ::rmdir(name.constData()) : ::unlink(name.constData());
        if (removed != 0)
            return qt_error_string(errno);
    }
    return writeFileAtomically(path, formatGameFile(position), FileAccess::Private);
}

QString nameNotTextProblem() {
    //: Why a file cannot be opened: its name holds bytes that are not UTF-8 text, so the
    //: name cannot be shown or used exactly as it is.
    return QCoreApplication::translate("Files",
                                       "its name is not valid UTF-8 text, so it cannot be opened");
}

QString withControlsEscaped(const QString& text) {
    QString shown;
    for (const QChar c : text)
        shown += isControl(c.unicode())
                     ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                     : QString(c);
    return shown;
}

QString invalidFileMessage(const QString& path, const QString& problem) {
    //: Shown when a file is not a game file. %1 is the file's path, %2 why it is refused
    //: (one of the reasons above, starting in lower case). The line break stays.
    return QCoreApplication::translate("Files",
                                       "You have provided an invalid file format\r\n%1: %2.")
        .arg(QDir::toNativeSeparators(path), problem);
}

QString undoFilePath(const QString& tempFolder) {
    if (tempFolder.isEmpty()) // no private folder: nothing to write, rather than the working folder
        return QString();
    return QDir(tempFolder).filePath(QStringLiteral("pnx.tmp"));
}

} // namespace pebblenix
