#pragma once
// What an import of cases would do, one line a person (新增, 已有, 會變更 and
// what differs), shown before anything is written: "匯入" carries it out,
// "取消" leaves the folder as it is.

#include <QDialog>

#include "cases/CaseImport.h"

class QListWidget;

namespace velmora {

class ShownScript;

class ImportPlanDialog : public QDialog {
    Q_OBJECT
public:
    ImportPlanDialog(QWidget* parent, const QString& fileName, const cases::ImportPlan& plan,
                     const ShownScript& script);

    // The plan's lines as shown.
    QStringList lines() const;

private:
    QListWidget* lines_ = nullptr;
};

}  // namespace velmora
