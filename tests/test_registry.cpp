// Reading registry values as the system-information button does, against a fake registry.

#include "about/registryvalue.h"
#include "about/sysinfo.h"
#include "tests/registry_cases.h"
#include "tests/uisupport.h"

#include <QTemporaryDir>
#include <map>
#include <optional>

using namespace pebblenix;

namespace {

struct Value {
    std::uint32_t type;
    std::vector<unsigned char> data;
};

class FakeRegistry final : public Registry {
public:
    std::map<std::string, std::map<std::string, Value>> keys;
    int open = 0;

    FakeRegistry() { setRegistry(this); }
    ~FakeRegistry() override { setRegistry(nullptr); }

    long RegOpenKeyExA(RegKey root, const std::string& key, std::uint32_t, std::uint32_t access,
                       RegKey& out) override {
        if (root != kHKeyLocalMachine || access != kKeyAccess || !keys.count(key))
            return kErrorFileNotFound;
        names.push_back(key);
        out = static_cast<RegKey>(names.size());
        ++open;
        return kErrorSuccess;
    }
    long RegQueryValueExA(RegKey key, const std::string& name, std::uint32_t& type,
                          unsigned char* data, std::uint32_t& size) override {
        if (key == 0 || key > names.size() || names[key - 1].empty())
            return kErrorInvalidHandle;
        const auto& values = keys[names[key - 1]];
        const auto it = values.find(name);
        if (it == values.end())
            return kErrorFileNotFound;
        type = it->second.type;
        const auto needed = static_cast<std::uint32_t>(it->second.data.size());
        if (needed > size) {
            size = needed;
            return kErrorMoreData;
        }
        std::copy(it->second.data.begin(), it->second.data.end(), data);
        size = needed;
        return kErrorSuccess;
    }
    long RegCloseKey(RegKey key) override {
        if (key == 0 || key > names.size() || names[key - 1].empty())
            return kErrorInvalidHandle;
        names[key - 1].clear();
        --open;
        return kErrorSuccess;
    }

private:
    std::vector<std::string> names;
};

std::vector<unsigned char> text(const std::string& s, bool zero) {
    std::vector<unsigned char> v(s.begin(), s.end());
    if (zero)
        v.push_back(0);
    return v;
}

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
                reg.keys[c.key][c.value] = {
                    c.type, std::vector<unsigned char>(c.data.begin(), c.data.end())};
        }
        reg.keys.erase(std::string(test::kTestKey) + "\\Missing");
        const auto failures = test::checkRegistry();
        QVERIFY2(failures.empty(), failures.empty() ? "" : failures.front().c_str());
        QCOMPARE(reg.open, 0);
    }

    // The system-information button: which program it starts, or the message it shows.
    void systemInformationTool_data() {
        QTest::addColumn<int>("tool"); // the first key's PATH: 0 none, 1 a string, 2 a DWORD
        QTest::addColumn<int>(
            "folder"); // the second key's MSINFO: 0 none, 1 with the tool, 2 without
        QTest::addColumn<bool>("starts");     // whether the program will start
        QTest::addColumn<QString>("started"); // "tool", "folder", "empty" or nothing
        QTest::newRow("the first key names the tool") << 1 << 0 << true << "tool";
        QTest::newRow("a value of another type reads as empty") << 2 << 2 << true << "empty";
        QTest::newRow("a folder without the tool") << 0 << 2 << true << "";
        QTest::newRow("the tool in that folder") << 0 << 1 << true << "folder";
        QTest::newRow("a tool that will not start") << 1 << 0 << false << "tool";
        QTest::newRow("no registry at all") << -1 << 0 << true << "";
    }
    void systemInformationTool() {
        QFETCH(int, tool);
        QFETCH(int, folder);
        QFETCH(bool, starts);
        QFETCH(QString, started);
        test::FakeUi fake;
        fake.startSucceeds = starts;
        QTemporaryDir where;
        const QString toolPath = QStringLiteral("C:\\x\\msinfo32.exe"),
                      inFolder = where.path() + "\\MSINFO32.EXE";
        std::optional<FakeRegistry> reg;
        if (tool >= 0)
            reg.emplace();
        if (tool == 1)
            reg->keys[kToolKey]["PATH"] = {kRegSz, text(toolPath.toStdString(), true)};
        if (tool == 2)
            reg->keys[kToolKey]["PATH"] = {3, text("ignored", false)};
        if (folder)
            reg->keys[kLocationKey]["MSINFO"] = {kRegSz, text(where.path().toStdString(), false)};
        if (folder == 1)
            test::writeAll(inFolder, "tool");
        StartSysInfo(nullptr);
        const QStringList expected = started == "tool"     ? QStringList{toolPath}
                                     : started == "folder" ? QStringList{inFolder}
                                     : started == "empty"  ? QStringList{QString()}
                                                           : QStringList();
        QCOMPARE(fake.started, expected);
        const bool told = !starts || started.isEmpty() || started == "empty";
        QCOMPARE(fake.messages.size(), std::size_t(told));
        if (told)
            QVERIFY(fake.last().text == "System Information Is Unavailable At This Time" &&
                    fake.last().title == "Pebblenix" && fake.last().icon == MsgIcon::None);
    }
};

QTEST_MAIN(TestRegistry)
#include "test_registry.moc"
