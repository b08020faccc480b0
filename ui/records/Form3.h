#pragma once
// The gender dialog: asks whether a chart cast from the main window's own date
// is a man's or a woman's. It has no name input, and "確定" is its only way
// out: there is no working close button and Escape does nothing.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace velmora {

class Form1;

class Form3 : public QDialog {
    Q_OBJECT
public:
    explicit Form3(Form1& form1);

    // "確定": sets the gender, enables the main window, clears the owner's
    // name, charts the date in the main window's inputs and closes.
    void confirm();

public slots:
    void reject() override;  // Escape: the dialog stays open

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Form1& form1_;
    QLabel* label1_ = nullptr;
    QFrame* frame1_ = nullptr;
    QRadioButton* male_ = nullptr;    // Option1 "男"
    QRadioButton* female_ = nullptr;  // Option2 "女"
    QPushButton* command1_ = nullptr;
    bool confirmed_ = false;
};

}  // namespace velmora
