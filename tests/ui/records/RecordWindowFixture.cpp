#include "tests/ui/records/RecordWindowFixture.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "files/Big5.h"

namespace velmora::testing {

QStringList NumberList(int first, int last) {
    QStringList numbers;
    for (int n = first; n <= last; ++n) {
        numbers.append(QString::number(n));
    }
    return numbers;
}

QByteArray UserBytes(const QStringList& lines) {
    files::Big5Encoder encoder;
    QByteArray bytes;
    for (const QString& line : lines) {
        const files::EncodedText encoded = encoder.encode(line);
        if (!encoded.bytes) {
            ADD_FAILURE() << "not Big5: " << line.toStdString();
            return {};
        }
        bytes += *encoded.bytes + "\r\n";
    }
    return bytes;
}

void RecordWindowTest::start(const QStringList& lines, const QDateTime& now) {
    folder_.write(QStringLiteral("User"), UserBytes(lines));
    startAsIs(now);
}

void RecordWindowTest::startAsIs(const QDateTime& now) {
    boxes = std::make_shared<ScriptedMessageBoxes>();
    Session session(folder_.path(), boxes);
    session.now = [now] { return now; };
    form1 = std::make_unique<Form1>(std::move(session));
    SecondaryWindows windows = DefaultSecondaryWindows();
    windows.brightnessEditor = nullptr;
    windows.transformationEditor = nullptr;
    form1->setSecondaryWindows(windows);
    ASSERT_TRUE(form1->startUp());
    form1->show();
    form2 = OpenRecordWindow();
}

Form2* RecordWindowTest::OpenRecordWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* records = qobject_cast<Form2*>(window); records != nullptr && records->isVisible()) {
            return records;
        }
    }
    return nullptr;
}

QStringList RecordWindowTest::entries(int index) const {
    QStringList texts;
    QComboBox* box = combo(index);
    for (int i = 0; i < box->count(); ++i) {
        texts.append(box->itemText(i));
    }
    return texts;
}

void RecordWindowTest::pickText(int index, const QString& text) {
    QComboBox* box = combo(index);
    ASSERT_TRUE(box->isEnabled()) << "combo " << index;
    const int entry = box->findText(text, Qt::MatchExactly);
    ASSERT_GE(entry, 0) << "combo " << index << " lacks " << text.toStdString();
    emit box->activated(entry);
}

void RecordWindowTest::pickBirth(int year, int month, int day, int period) {
    pickText(Form2::YearCombo, QString::number(year));
    pickText(Form2::MonthCombo, QString::number(month));
    pickText(Form2::DayCombo, QString::number(day));
    const QString label = combo(Form2::HourCombo)->itemText(period);
    pickText(Form2::HourCombo, label);
}

void RecordWindowTest::typeName(const QString& name) { find<QLineEdit>(QStringLiteral("Text1"))->setText(name); }

void RecordWindowTest::press(int command) {
    auto* button = find<QPushButton>(QStringLiteral("Command%1").arg(command));
    ASSERT_TRUE(button->isEnabled()) << "Command" << command;
    QTest::mouseClick(button, Qt::LeftButton);
}

void RecordWindowTest::clickRow(int row) {
    auto* list = find<QTreeWidget>(QStringLiteral("ListView1"));
    QTreeWidgetItem* item = list->topLevelItem(row);
    ASSERT_NE(item, nullptr) << "row " << row;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
}

QStringList RecordWindowTest::listRows() const {
    QStringList rows;
    auto* list = find<QTreeWidget>(QStringLiteral("ListView1"));
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < list->columnCount(); ++column) {
            fields.append(list->topLevelItem(row)->text(column));
        }
        rows.append(fields.join(QLatin1Char('|')));
    }
    return rows;
}

QByteArray RecordWindowTest::userFileAsIs() const {
    QFile file(folder_.filePath(QStringLiteral("User")));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QByteArray RecordWindowTest::userFile() const {
    static const QRegularExpression kIdPiece(QStringLiteral("\tid=[0-9a-f-]{36}(?=[\t\r])"));
    return QString::fromLatin1(userFileAsIs()).remove(kIdPiece).toLatin1();
}

void RecordWindowTest::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QStringList RecordWindowTest::notices() const {
    QStringList texts;
    for (const ScriptedMessageBoxes::Shown& shown : boxes->shown()) {
        texts.append(shown.title + QLatin1Char(':') + shown.text);
    }
    return texts;
}

}  // namespace velmora::testing
