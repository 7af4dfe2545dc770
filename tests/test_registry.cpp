// Reading registry values as the system-information button does, against a fake registry.

#include "about/registryvalue.h"
#include "about/sysinfo.h"
#include "tests/registry_cases.h"
#include "tests/uisupport.h"

#include <QRegularExpression>
#include <map>

using namespace pebblenix;

namespace {

// A registry in memory that, as Windows does, refuses a handle it never gave out or closed.
class FakeRegistry final : public Registry {
public:
    std::map<std::string, std::map<std::string, std::pair<std::uint32_t, std::string>>> keys;
    std::map<RegKey, std::string> open;

    long RegOpenKeyExA(RegKey root, const std::string& key, std::uint32_t, std::uint32_t access,
                       RegKey& out) override {
        if (root != kHKeyLocalMachine || access != kKeyAccess || !keys.count(key))
            return kErrorFileNotFound;
        open[out = ++handed] = key;
        return kErrorSuccess;
    }
    long RegQueryValueExA(RegKey key, const std::string& name, std::uint32_t& type,
                          unsigned char* data, std::uint32_t& size) override {
        if (!open.count(key))
            return kErrorInvalidHandle;
        const auto it = keys[open[key]].find(name);
        if (it == keys[open[key]].end())
            return kErrorFileNotFound;
        const std::string& bytes = it->second.second;
        const bool fits = bytes.size() <= size;
        if (fits)
            std::copy(bytes.begin(), bytes.end(), data);
        type = it->second.first;
        size = static_cast<std::uint32_t>(bytes.size());
        return fits ? kErrorSuccess : kErrorMoreData;
    }
    long RegCloseKey(RegKey key) override {
        return open.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
    }

private:
    RegKey handed = 0;
};

} // namespace

class TestRegistry : public QObject {
    Q_OBJECT
    test::PrivateFolders folders;
private slots:
    // The same cases the real registry answers under Wine (make windows-check).
    void answersAsTheRealRegistryDoes() {
        FakeRegistry reg;
        for (const test::RegistryCase& c : test::registryCases()) {
            reg.keys[c.key]; // the key exists, with or without the value
            if (c.stored)
                reg.keys[c.key][c.value] = {c.type, c.data};
        }
        reg.keys.erase(std::string(test::kTestKey) + "\\Missing");
        const auto failures = test::checkRegistry(reg);
        QVERIFY2(failures.empty(), failures.empty() ? "" : failures.front().c_str());
        QVERIFY(reg.open.empty());
    }

    // The system-information button: which program it starts, or the message it shows.
    void systemInformationTool_data() {
        QTest::addColumn<int>("tool");        // the tool's key: 0 none, 1 its path, 2 a DWORD
        QTest::addColumn<int>("folder");      // the tools folder: 0 none, 1 with the tool,
                                              // 2 without
        QTest::addColumn<bool>("starts");     // whether the program will start
        QTest::addColumn<QString>("started"); // "tool", "folder", "empty" or nothing
        QTest::newRow("the first key names the tool") << 1 << 0 << true << "tool";
        QTest::newRow("a value of another type reads as empty") << 2 << 2 << true << "empty";
        QTest::newRow("a folder without the tool") << 0 << 2 << true << "";
        QTest::newRow("the tool in that folder") << 0 << 1 << true << "folder";
        QTest::newRow("a tool that will not start") << 1 << 0 << false << "tool";
    }
    void systemInformationTool() {
        QFETCH(int, tool);
        QFETCH(int, folder);
        QFETCH(bool, starts);
        QFETCH(QString, started);
        test::FakeUi fake;
        fake.startSucceeds = starts;
        QTemporaryDir where;
        const QString toolPath = "C:\\x\\msinfo32.exe", inFolder = where.path() + "\\MSINFO32.EXE";
        FakeRegistry reg;
        if (tool > 0)
            reg.keys[kToolKey]["PATH"] = {tool == 1 ? kRegSz : 3, toolPath.toStdString() + '\0'};
        if (folder)
            reg.keys[kLocationKey]["MSINFO"] = {kRegSz, where.path().toStdString()};
        if (folder == 1)
            test::writeAll(inFolder, "tool");
        StartSysInfo(reg, fake, nullptr);
        const QString expected = started == "tool" ? toolPath : started == "folder" ? inFolder : "";
        QCOMPARE(fake.started, started.isEmpty() ? QStringList() : QStringList{expected});
        const bool told = !starts || expected.isEmpty();
        QCOMPARE(fake.messages.size(), std::size_t(told));
        if (told)
            QVERIFY(fake.last().text == "System Information Is Unavailable At This Time" &&
                    fake.last().title == "Pebblenix" && fake.last().icon == MsgIcon::None);
    }

    // Without a registry the tool's key names the desktop's own tool, the first found on
    // PATH of kinfocenter, gnome-control-center (with its About panel), xfce4-about and
    // hardinfo; the button starts it, a stand-in here that writes how it was started. Only
    // a program file in an absolute folder counts.
    void aDesktopToolOnThePath_data() {
        QTest::addColumn<QStringList>("installed"); // in the folders "a", "b" and "." of PATH
        QTest::addColumn<QString>("started");       // nothing: the message that there is none
        QTest::newRow("none") << QStringList() << "";
        QTest::newRow("hardinfo") << QStringList{"b/hardinfo"} << "b/hardinfo";
        QTest::newRow("GNOME's About panel") << QStringList{"a/hardinfo", "b/gnome-control-center"}
                                             << "b/gnome-control-center info-overview";
        QTest::newRow("KDE's first, in any folder")
            << QStringList{"a/xfce4-about", "b/kinfocenter"} << "b/kinfocenter";
        QTest::newRow("not a program, a folder")
            << QStringList{"a/kinfocenter-", "a/gnome-control-center/", "b/xfce4-about"}
            << "b/xfce4-about";
        QTest::newRow("a relative folder") << QStringList{"./kinfocenter"} << "";
    }
    void aDesktopToolOnThePath() {
        QFETCH(QStringList, installed);
        QFETCH(QString, started);
        QTemporaryDir dir;
        const QString marker = dir.filePath("started");
        for (const char* folder : {"a", "b", "c"})
            QDir(dir.path()).mkdir(folder);
        for (QString name : installed) {
            const bool program = !name.endsWith('-');
            name = dir.filePath(name.replace("./", "c/").remove(QRegularExpression("-$")));
            if (name.endsWith('/')) {
                QDir().mkdir(name);
                continue;
            }
            test::writeAll(name, "#!/bin/sh\necho \"$0 $*\" >\"$STAND_IN_MARKER\"\n");
            QFile(name).setPermissions(program ? QFile::ReadOwner | QFile::ExeOwner
                                               : QFile::ReadOwner);
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.filePath("a") + ":" + dir.filePath("b") + ":c:"));
        qputenv("STAND_IN_MARKER", QFile::encodeName(marker));
        const QString current = QDir::currentPath();
        QDir::setCurrent(dir.path());
        test::FakeUi fake;
        const std::unique_ptr<UiSeam> real = makeRealUi();
        StartSysInfo(*makePlatformRegistry(), started.isEmpty() ? fake : *real, nullptr);
        qputenv("PATH", path);
        QDir::setCurrent(current);
        if (started.isEmpty()) {
            QVERIFY(fake.saw("System Information Is Unavailable At This Time"));
            return;
        }
        QTRY_COMPARE(QString::fromLocal8Bit(test::readAll(marker)).trimmed(),
                     dir.filePath(started));
    }
};

QTEST_MAIN(TestRegistry)
#include "test_registry.moc"
