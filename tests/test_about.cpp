// The About box: what it shows, its keys, and its one shared instance.

#include "about/frmabout.h"
#include "resources/fonts.h"
#include "tests/uisupport.h"

#include <QLabel>
#include <QPushButton>

using namespace pebblenix;
using namespace pebblenix::test;

class TestAbout : public QObject {
    Q_OBJECT
    PrivateFolders folders;

    static void closeBox() {
        if (frmAbout* box = frmAbout::shared())
            box->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmAbout::shared());
    }

private slots:
    void cleanup() { closeBox(); }

    void whatItShows() {
        frmAbout* box = frmAbout::showShared();
        QCOMPARE(box->windowTitle(), QStringLiteral("About Pebblenix"));
        QCOMPARE(box->lblTitle->text(), QStringLiteral("Pebblenix(1.0.5)"));
        QCOMPARE(box->size(), QSize(412, 304));
        QCOMPARE(box->cmdOK->geometry(), QRect(211, 269, 84, 23));
        QCOMPARE(box->cmdSysInfo->text(), QStringLiteral("&System Info..."));
        QVERIFY(box->cmdOK->isDefault());
        QVERIFY(!box->parentWidget());
        // the icon is the dark-blue marble whatever colour the game uses
        const QImage icon = box->picIcon->pixmap().toImage();
        QCOMPARE(icon.pixelColor(icon.width() / 2, icon.height() / 2), QColor(0, 0, 128));
        // title, version and every text inside its label
        QVERIFY(textFits(box->lblDescription, box->lblDescription->text(), true));
        QVERIFY(textFits(box->Label1, box->Label1->text(), false));
        QVERIFY(textFits(box->lblTitle, box->lblTitle->text(), false));
        QVERIFY(box->lblTitle->font().pixelSize() >= 16); // the title is never shrunk
    }

    void enterAndEscBothClose_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void enterAndEscBothClose() {
        QFETCH(int, key);
        frmAbout* box = frmAbout::showShared();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        box->activateWindow();
        box->cmdOK->setFocus();
        QTest::keyClick(box, Qt::Key(key));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmAbout::shared());
    }

    void systemInfoButtonWithoutARegistry() {
        FakeUi fake;
        frmAbout* box = frmAbout::showShared();
        box->cmdSysInfo->click();
        QCOMPARE(fake.messages.size(), std::size_t(1));
        QCOMPARE(fake.last().text,
                 QStringLiteral("System Information Is Unavailable At This Time"));
        QVERIFY(box->isVisible()); // the box stays usable
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
