#pragma once
// 擇盤 with a clock time at a place: a small dialog holding the moment
// inputs; "確定" puts the converted date and period into the main window's
// date inputs, which then show the result, and keeps the basis and place for
// the chart's centre text.

#include <QDate>
#include <QDialog>

class QDialogButtonBox;
class QPushButton;

namespace velmora {

class Form1;
class MomentInputs;

class MomentDialog : public QDialog {
    Q_OBJECT
public:
    MomentDialog(Form1& form1, QWidget* parent);

    MomentInputs& inputs() { return *inputs_; }
    // Moves the date inputs and keeps the caption; refuses (with the reason
    // on the step line) while the moment cannot be used.
    void accept() override;

private:
    Form1& form1_;
    MomentInputs* inputs_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QDate chartDate_;
    int period_ = 0;
};

// The gender dialog's "鐘錶時間與地點…" button below its original area, which
// opens the dialog; the caption of an earlier 擇盤 is dropped. Gives the
// twips it adds to the dialog's height.
int AddMomentButton(QWidget& genderDialog, Form1& form1);

}  // namespace velmora
