#pragma once
// The About box: the program's name and version, its authors and a button for the
// system-information tool. One shared, modeless instance without an owner window, so it
// outlives a replaced main window and keeps the program running while it is open.

#include <QDialog>

class QLabel;
class QPushButton;

namespace pebblenix {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Shows the shared instance, loading it first when there is none.
    static frmAbout* showShared();
    static frmAbout* shared(); // the open instance, if any

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    static QString titleText();
    static QString descriptionText();

    QLabel* picIcon = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblTitle = nullptr;

    static constexpr int kClientWidth = 412;  // 6180 twips
    static constexpr int kClientHeight = 304; // 4560 twips

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    frmAbout();
    void makeRoom();
};

} // namespace pebblenix
