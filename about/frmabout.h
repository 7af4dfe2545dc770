#pragma once
// The About box: the program's name and version, its authors and a button for the
// system-information tool. One modeless instance for the program, without an owner
// window, so it outlives a replaced main window and keeps the program running while it
// is open. It is laid out as it was drawn, at the zoom step.

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

namespace pebblenix {

class Registry;
class UiSeam;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // The system-information button looks in `reg` and tells through `ui`.
    frmAbout(Registry& reg, UiSeam& ui);

    // Shows the box held in `open`, loading one into it first when there is none.
    static frmAbout* present(QPointer<frmAbout>& open, Registry& reg, UiSeam& ui);

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
    void changeEvent(QEvent* event) override;

private:
    void layOut();
    void makeRoom();

    Registry& reg_;
    UiSeam& ui_;
};

} // namespace pebblenix
