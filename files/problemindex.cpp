#include "files/problemindex.h"

#include "files/atomicfile.h"
#include "files/installed.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtGlobal>

namespace pebblenix {

namespace {

constexpr qint64 kMostIndexBytes = 64 * 1024;

// The problems' names: the index names them in English.
constexpr const char* kNames[] = {
    //: A problem's name. The problems are shapes of marbles to reduce to one marble in
    //: the centre; this one is a Latin cross of six marbles.
    QT_TRANSLATE_NOOP("Problems", "Cross"),
    //: A problem's name: a snowflake-like star of eleven marbles, one in the centre.
    QT_TRANSLATE_NOOP("Problems", "Snowflake"),
    //: A problem's name: a plus sign of nine marbles.
    QT_TRANSLATE_NOOP("Problems", "Plus"),
    //: A problem's name: a kite on a string, ten marbles.
    QT_TRANSLATE_NOOP("Problems", "Kite"),
    //: A problem's name: a sword with its hilt, twelve marbles.
    QT_TRANSLATE_NOOP("Problems", "Sword"),
    //: A problem's name: a three-pronged spear, eight marbles.
    QT_TRANSLATE_NOOP("Problems", "Trident"),
    //: A problem's name: a gate in a wall, ten marbles.
    QT_TRANSLATE_NOOP("Problems", "Gateway"),
    //: A problem's name: the two-pronged fork musicians tune by, seven marbles.
    QT_TRANSLATE_NOOP("Problems", "Tuning Fork"),
    //: A problem's name: a diamond (the shape) of twelve marbles around the empty centre.
    QT_TRANSLATE_NOOP("Problems", "Small Diamond"),
    //: A problem's name: a hat with a brim, eleven marbles.
    QT_TRANSLATE_NOOP("Problems", "Hat"),
    //: A problem's name: a table (the furniture) of twelve marbles.
    QT_TRANSLATE_NOOP("Problems", "Table"),
    //: A problem's name: steps running down diagonally, eleven marbles.
    QT_TRANSLATE_NOOP("Problems", "Staircase"),
    //: A problem's name: rows of one, three, five and seven marbles.
    QT_TRANSLATE_NOOP("Problems", "Pyramid"),
    //: A problem's name: a bird with its wings raised, fourteen marbles.
    QT_TRANSLATE_NOOP("Problems", "Bird"),
    //: A problem's name: a heart (the shape), eighteen marbles.
    QT_TRANSLATE_NOOP("Problems", "Heart"),
    //: A problem's name: a bell (the shape), eighteen marbles.
    QT_TRANSLATE_NOOP("Problems", "Bell"),
    //: A problem's name: a face mask with two eye holes, nineteen marbles.
    QT_TRANSLATE_NOOP("Problems", "Mask"),
    //: A problem's name: a lantern (the lamp), fifteen marbles.
    QT_TRANSLATE_NOOP("Problems", "Lantern"),
    //: A problem's name: a drinking cup on a stem, fifteen marbles.
    QT_TRANSLATE_NOOP("Problems", "Goblet"),
    //: A problem's name: a king's crown, sixteen marbles.
    QT_TRANSLATE_NOOP("Problems", "Crown"),
    //: A problem's name: a fir tree on its trunk, sixteen marbles.
    QT_TRANSLATE_NOOP("Problems", "Tree"),
    //: A problem's name: an arrow pointing up, seventeen marbles.
    QT_TRANSLATE_NOOP("Problems", "Arrow"),
    //: A problem's name: a window with panes, nineteen marbles.
    QT_TRANSLATE_NOOP("Problems", "Window"),
    //: A problem's name: an eight-sided shape of twenty marbles around the empty centre.
    QT_TRANSLATE_NOOP("Problems", "Octagon"),
    //: A problem's name: a castle tower with battlements, twenty marbles.
    QT_TRANSLATE_NOOP("Problems", "Tower"),
    //: A problem's name: a large diamond (the shape) of 24 marbles around the empty centre.
    QT_TRANSLATE_NOOP("Problems", "Diamond"),
    //: A problem's name: an upright with two crossbars, thirteen marbles.
    QT_TRANSLATE_NOOP("Problems", "Double Cross"),
    //: A problem's name: a space rocket, 21 marbles.
    QT_TRANSLATE_NOOP("Problems", "Rocket"),
    //: A problem's name: a mushroom with its cap and stem, 22 marbles.
    QT_TRANSLATE_NOOP("Problems", "Mushroom"),
    //: A problem's name: a fireplace, its chimney above, eleven marbles.
    QT_TRANSLATE_NOOP("Problems", "Fireplace"),
    //: A problem's name: the top half of the board full but for the empty centre, one
    //: marble below it, 20 marbles.
    QT_TRANSLATE_NOOP("Problems", "Keyhole"),
    //: A problem's name: one marble in the centre cut off by an empty ring (the moat of a
    //: castle) from the four arms of the board, 25 marbles.
    QT_TRANSLATE_NOOP("Problems", "Moat"),
    //: A problem's name: every hole holds a marble but d1 (column d, row 1), which is empty.
    //: d1 is a hole's name, never translated.
    QT_TRANSLATE_NOOP("Problems", "Full Board, d1 Empty"),
    //: A problem's name: every hole holds a marble but a4, which is empty.
    QT_TRANSLATE_NOOP("Problems", "Full Board, a4 Empty"),
    //: A problem's name: every hole holds a marble but g4, which is empty.
    QT_TRANSLATE_NOOP("Problems", "Full Board, g4 Empty"),
    //: A problem's name: every hole holds a marble but d7, which is empty.
    QT_TRANSLATE_NOOP("Problems", "Full Board, d7 Empty"),
    //: A problem's name: a ladder of two rails and rungs down the middle column, 19 marbles.
    QT_TRANSLATE_NOOP("Problems", "Ladder"),
};

// Why an index line is refused. %1 is its number.
QString badLine(int number) {
    //: Why the list of problems cannot be read. %1 is the number of a line of the list's
    //: file, index.txt, that does not name a game file, a chance from 0 to 1, a number of
    //: moves and a name.
    return QCoreApplication::translate("Problems",
                                       "line %1 of the list of problems is not a problem")
        .arg(number);
}

} // namespace

std::optional<std::vector<ProblemEntry>> readProblemIndex(const QString& folder, QString* reason) {
    const QString path = QDir(folder).filePath(QString::fromLatin1(kProblemIndexName));
    QString why;
    const auto bytes = readFileBounded(path, kMostIndexBytes + 1, &why);
    const auto fail = [&](const QString& problem) {
        if (reason)
            *reason = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), problem);
        return std::nullopt;
    };
    if (!bytes)
        return fail(why);
    if (bytes->size() > kMostIndexBytes)
        //: Why the list of problems cannot be read: its file, index.txt, is larger than
        //: any list of problems.
        return fail(QCoreApplication::translate("Problems", "the list of problems is too long"));
    static const QRegularExpression entry(
        QStringLiteral(R"(^([a-z0-9][a-z0-9-]*\.pnx)[ \t]+(\S+)[ \t]+(\d{1,2})[ \t]+(\S.*?)\s*$)"));
    std::vector<ProblemEntry> entries;
    const QList<QByteArray> lines = bytes->split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const auto match = entry.match(line);
        bool number = false;
        const double chance = match.hasMatch() ? match.captured(2).toDouble(&number) : 0;
        if (!number || !(chance >= 0 && chance <= 1))
            return fail(badLine(i + 1));
        entries.push_back(
            {match.captured(1), chance, match.captured(3).toInt(), match.captured(4).toUtf8()});
    }
    return entries;
}

QString problemName(const QByteArray& name) {
    return QCoreApplication::translate("Problems", name.constData());
}

std::span<const char* const> markedProblemNames() {
    return kNames;
}

QString findProblemFolder(const QString& programFolder) {
    return findInstalled(programFolder, "PEBBLENIX_PROBLEMS", QStringLiteral("problems"),
                         InstalledKind::Folder);
}

} // namespace pebblenix
