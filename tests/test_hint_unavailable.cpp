// Hints when the table of solutions cannot be used: a clear message, and the game goes on.

#include "app/frmgame.h"
#include "tests/testsupport.h"

#include <QTemporaryDir>
#include <memory>

using namespace pebblenix;
using namespace pebblenix::test;

class TestHintUnavailable : public QObject {
    Q_OBJECT
private slots:
    void aDamagedTable() {
        QTemporaryDir dir;
        writeAll(dir.filePath("table.bin"), QByteArray(4096, 'x'));
        qputenv("PEBBLENIX_SOLUTIONS", dir.filePath("table.bin").toLocal8Bit());
        FakeUi fake;
        std::unique_ptr<frmgame> w(frmgame::create());
        w->mnuhint_Click();
        QTRY_COMPARE_WITH_TIMEOUT(fake.messages.size(), std::size_t(1), 10000);
        QCOMPARE(fake.last().icon, MsgIcon::Critical);
        QVERIFY(fake.last().text.startsWith("Hints are not available"));
        QVERIFY(fake.last().text.contains("table.bin"));
        QCOMPARE(w->gb_ctr % 2, 0);
        w->mnuhint_Click(); // asked again: told again, at once
        QCOMPARE(fake.messages.size(), std::size_t(2));
        w->pic_Click(10);
        w->pic_Click(24);
        QCOMPARE(w->Marbles_On_Board, quint8(31));
    }
};

PEBBLENIX_TEST_MAIN(TestHintUnavailable)
#include "test_hint_unavailable.moc"
