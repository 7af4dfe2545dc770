// Reading registry values as the system-information button does, against a fake registry.

#include "about/registryvalue.h"
#include "about/sysinfo.h"
#include "tests/registry_cases.h"
#include "tests/uisupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <map>

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
    void systemInformationTool() {
        test::FakeUi fake;
        const std::string toolKey = kToolKey;
        const std::string locationKey = kLocationKey;
        const auto unavailable = [&fake] {
            return fake.messages.size() == 1 &&
                   fake.last().text == "System Information Is Unavailable At This Time" &&
                   fake.last().title == "Pebblenix" && fake.last().icon == MsgIcon::None &&
                   fake.last().buttons == MsgButtons::Ok;
        };
        {
            FakeRegistry reg; // the first key names the tool
            reg.keys[toolKey]["PATH"] = {kRegSz, text("C:\\x\\msinfo32.exe", true)};
            StartSysInfo(nullptr);
            QCOMPARE(fake.started, QStringList{"C:\\x\\msinfo32.exe"});
            QVERIFY(fake.messages.empty());
        }
        fake.clear();
        {
            FakeRegistry reg; // a value of another type counts as read, with an empty path
            reg.keys[toolKey]["PATH"] = {3, text("ignored", false)};
            reg.keys[locationKey]["MSINFO"] = {kRegSz, text("C:\\tools", true)};
            StartSysInfo(nullptr);
            QCOMPARE(fake.started, QStringList{QString()});
            QVERIFY(unavailable());
        }
        fake.clear();
        QTemporaryDir folder;
        {
            FakeRegistry reg; // the second key names a folder without the tool in it
            reg.keys[locationKey]["MSINFO"] = {kRegSz, text(folder.path().toStdString(), true)};
            StartSysInfo(nullptr);
            QVERIFY(fake.started.isEmpty());
            QVERIFY(unavailable());
        }
        fake.clear();
        {
            FakeRegistry reg; // the tool is in that folder
            reg.keys[locationKey]["MSINFO"] = {kRegSz, text(folder.path().toStdString(), false)};
            test::writeAll(folder.path() + "\\MSINFO32.EXE", "tool");
            StartSysInfo(nullptr);
            QCOMPARE(fake.started, QStringList{folder.path() + "\\MSINFO32.EXE"});
            QFile::remove(folder.path() + "\\MSINFO32.EXE");
            QVERIFY(fake.messages.empty());
        }
        fake.clear();
        {
            FakeRegistry reg; // the tool is named but will not start
            reg.keys[toolKey]["PATH"] = {kRegSz, text("/no/such/tool", true)};
            fake.startSucceeds = false;
            StartSysInfo(nullptr);
            QVERIFY(unavailable());
        }
        fake.clear();
        fake.startSucceeds = true;
        StartSysInfo(nullptr); // no registry at all
        QVERIFY(fake.started.isEmpty());
        QVERIFY(unavailable());
    }

    void withoutARegistryEveryKeyIsMissing() {
        std::string value = "x";
        QVERIFY(!GetKeyValue(kHKeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                             value));
        QCOMPARE(value, std::string());
    }
};

QTEST_MAIN(TestRegistry)
#include "test_registry.moc"
